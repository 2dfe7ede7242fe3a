// Screen capture through GDI, PNG through the GDI+ flat API (a system DLL;
// this library is test-only).
#include "tests/driver/ui_driver.h"
#include <objidl.h> // gdiplus.h needs what WIN32_LEAN_AND_MEAN leaves out
#include <gdiplus.h>
#include <stdlib.h>

namespace ui {

namespace {
// {557CF406-1A04-11D3-9A73-0000F81EF32E}: GDI+'s built-in PNG encoder.
const CLSID kPngEncoder = {
    0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

// The screen pixels of rect as a new bitmap; nullptr on failure.
HBITMAP CaptureScreen(const RECT& rect) {
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BOOL copied = BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (!copied) {
        DeleteObject(bitmap);
        return nullptr;
    }
    return bitmap;
}

bool SavePng(HBITMAP bitmap, const std::string& path) {
    wchar_t widePath[MAX_PATH];
    if (!MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, widePath, MAX_PATH)) return false;
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return false;
    Gdiplus::GpBitmap* image = nullptr;
    bool saved =
        Gdiplus::DllExports::GdipCreateBitmapFromHBITMAP(bitmap, nullptr, &image) == Gdiplus::Ok &&
        Gdiplus::DllExports::GdipSaveImageToFile(image, widePath, &kPngEncoder, nullptr) ==
            Gdiplus::Ok;
    if (image) Gdiplus::DllExports::GdipDisposeImage(image);
    Gdiplus::GdiplusShutdown(token);
    return saved;
}
} // namespace

bool SaveScreenshot(HWND window, const char* fileName) {
    std::string folder = WindowsPath(getenv("ZK_SHOT_DIR"));
    RECT rect;
    if (folder.empty() || !IsWindowVisible(window) || !GetClientRect(window, &rect)) return false;
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    // Without a window manager nothing raises windows: do it, let the program
    // paint, and give Wine time to put the result on the X screen.
    SetForegroundWindow(window);
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Sleep(300);
    HBITMAP bitmap = CaptureScreen(rect);
    if (!bitmap) return false;
    bool saved = SavePng(bitmap, folder + "\\" + fileName);
    DeleteObject(bitmap);
    return saved;
}

std::string ShotName(const char* base) {
    const int dpi = ScreenDpi();
    return std::string(base) + (dpi == 96 ? "" : "-" + std::to_string(dpi) + "dpi") + ".png";
}

std::vector<DWORD> ScreenPixels(const RECT& rect) {
    HBITMAP bitmap = CaptureScreen(rect);
    if (!bitmap) return {};
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = rect.right - rect.left;
    info.bmiHeader.biHeight = rect.top - rect.bottom; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    const UINT rows = rect.bottom - rect.top;
    std::vector<DWORD> pixels(static_cast<size_t>(info.bmiHeader.biWidth) * rows);
    HDC screen = GetDC(nullptr);
    if (GetDIBits(screen, bitmap, 0, rows, pixels.data(), &info, DIB_RGB_COLORS) != int(rows))
        pixels.clear();
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);
    for (DWORD& pixel : pixels)
        pixel &= 0xFFFFFF;
    return pixels;
}

} // namespace ui
