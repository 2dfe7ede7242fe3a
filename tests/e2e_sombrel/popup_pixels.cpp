#include "tests/e2e_sombrel/popup_pixels.h"

#include "tests/driver/ui_driver.h"

#include <vector>

HWND WaitForPopupMenu(DWORD processId) {
    return ui::WaitForWindow(nullptr, "#32768", processId);
}

std::string PopupItemInk(HWND popup) {
    RECT rect;
    if (!GetWindowRect(popup, &rect)) return "";
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    const std::vector<DWORD> pixels = ui::ScreenPixels(rect);
    if (pixels.empty()) return "";
    const DWORD background = ui::PixelOf(GetSysColor(COLOR_MENU));
    const DWORD text = ui::PixelOf(GetSysColor(COLOR_MENUTEXT));
    // An item's row: inked lines with gaps of at most two blank lines (the
    // gap between a text and its access-key underline).
    const int kMaxGapInRow = 2;
    std::string ink;
    bool inBand = false, bandHasText = false;
    int gap = 0;
    const int margin = 4; // inside the frame
    for (int y = margin; y <= height - margin; ++y) {
        bool inked = false, hasText = false;
        for (int x = margin; y < height - margin && x < width - margin; ++x) {
            const DWORD pixel = pixels[y * width + x];
            inked |= pixel != background;
            hasText |= pixel == text;
        }
        if (inked) {
            bandHasText |= hasText;
            inBand = true;
            gap = 0;
        } else if (inBand && (++gap > kMaxGapInRow || y == height - margin)) {
            ink += bandHasText ? 'E' : 'D';
            inBand = bandHasText = false;
        }
    }
    return ink;
}

void ClosePopupMenu(HWND popup) {
    PostMessageA(popup, WM_KEYDOWN, VK_ESCAPE, 0);
    ui::WaitUntil([&] { return !IsWindowVisible(popup); }, ui::kFindTimeoutMs);
}
