#include "sombrel/background.h"

namespace {
struct Rgb {
    int r, g, b;
};

Rgb Mix(Rgb from, Rgb to, int part, int whole) {
    return {from.r + (to.r - from.r) * part / whole, from.g + (to.g - from.g) * part / whole,
            from.b + (to.b - from.b) * part / whole};
}

// Height of the hills' top edge at column x, from the bottom: two gentle waves.
int HillHeight(int x) {
    const int a = (x * 7) % 240, b = (x * 3 + 90) % 330;
    const int waveA = a < 120 ? a : 240 - a;
    const int waveB = b < 165 ? b : 330 - b;
    return 70 + waveA / 3 + waveB / 4;
}

Rgb PixelAt(int x, int y) {
    const int fromBottom = kBackgroundHeight - 1 - y;
    if (fromBottom < HillHeight(x)) return Mix({40, 70, 50}, {15, 35, 25}, y, kBackgroundHeight);
    const int dx = x - 390, dy = y - 110;
    const int moon = dx * dx + dy * dy;
    if (moon < 32 * 32) return {250, 240, 200};
    const Rgb sky = Mix({25, 35, 95}, {235, 150, 95}, y, kBackgroundHeight);
    if (moon < 52 * 52) return Mix({250, 240, 200}, sky, moon - 32 * 32, 52 * 52 - 32 * 32);
    return sky;
}
} // namespace

HBITMAP DrawBackground() {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kBackgroundWidth;
    info.bmiHeader.biHeight = -kBackgroundHeight; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return nullptr;
    const int stride = (kBackgroundWidth * 3 + 3) & ~3;
    for (int y = 0; y < kBackgroundHeight; ++y) {
        unsigned char* row = static_cast<unsigned char*>(bits) + y * stride;
        for (int x = 0; x < kBackgroundWidth; ++x) {
            const Rgb pixel = PixelAt(x, y);
            row[x * 3] = static_cast<unsigned char>(pixel.b);
            row[x * 3 + 1] = static_cast<unsigned char>(pixel.g);
            row[x * 3 + 2] = static_cast<unsigned char>(pixel.r);
        }
    }
    return bitmap;
}
