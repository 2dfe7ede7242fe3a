#include "sombrel/background.h"

#include "sombrel/rules/background_scene.h"

HBITMAP DrawBackground(int width, int height) {
    if (width <= 0 || height <= 0) return nullptr;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return nullptr;
    const int stride = (width * 3 + 3) & ~3;
    for (int y = 0; y < height; ++y) {
        unsigned char* row = static_cast<unsigned char*>(bits) + y * stride;
        for (int x = 0; x < width; ++x) {
            const SceneColor pixel = BackgroundPixel(x, y, width, height);
            row[x * 3] = static_cast<unsigned char>(pixel.b);
            row[x * 3 + 1] = static_cast<unsigned char>(pixel.g);
            row[x * 3 + 2] = static_cast<unsigned char>(pixel.r);
        }
    }
    return bitmap;
}
