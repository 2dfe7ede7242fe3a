// The dialog pass: translates an open dialog's title and control texts in
// the dialog's section and rescales it by its scale entry. All arithmetic
// is on int, products before quotients.
#include "uninstall/common/compare.h"
#include "uninstall/localisation/language_resources.h"

namespace {
constexpr int TextSize = 1024;
constexpr int MaxChildren = 512;

void TranslateWindowText(const LanguageResources& table, HWND window, const char* dialogName,
                         bool evenEmpty) {
    char text[TextSize];
    GetWindowTextA(window, text, sizeof text);
    if (!evenEmpty && !text[0]) return;
    table.Translate(text, sizeof text, text, dialogName, LanguageResources::Dialog);
    SetWindowTextA(window, text);
}

// A drop-down combo box is as tall as its list; keep the list's share.
int DropDownHeight(HWND child, int ys) {
    char className[TextSize];
    GetClassNameA(child, className, sizeof className);
    if (CompareNoCase(className, "COMBOBOX") != 0) return 0;
    if ((GetWindowLongPtrA(child, GWL_STYLE) & 3) == CBS_SIMPLE) return 0;
    RECT drop{};
    SendMessageA(child, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&drop));
    return (drop.bottom - drop.top + 1) * ys / 100;
}
} // namespace

void LanguageResources::LocalizeDialog(const char* dialogName, HWND dialog) const {
    int xs, ys;
    bool scaled = GetScale(dialogName, &xs, &ys);
    RECT w, k;
    GetWindowRect(dialog, &w);
    GetClientRect(dialog, &k);
    int frameX = (w.right - w.left + 1) - k.right;
    int frameY = (w.bottom - w.top + 1) - k.bottom;
    if (scaled)
        SetWindowPos(dialog, nullptr, 0, 0, k.right * xs / 100 + frameX,
                     k.bottom * ys / 100 + frameY, SWP_NOMOVE | SWP_NOZORDER | SWP_NOOWNERZORDER);
    TranslateWindowText(*this, dialog, dialogName, true);
    // A dialog laid out right to left places its controls from its right
    // edge, which the resize has just moved: their distance from it is
    // measured in the resized dialog.
    const bool mirrored = (GetWindowLongPtrA(dialog, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
    RECT resized = w;
    if (scaled && mirrored) GetWindowRect(dialog, &resized);

    int topOffset = frameY - GetSystemMetrics(SM_CYDLGFRAME);
    HWND first = GetWindow(dialog, GW_CHILD);
    HWND child = first;
    for (int n = 0; child && n < MaxChildren; ++n) {
        TranslateWindowText(*this, child, dialogName, false);
        if (scaled) {
            RECT r;
            GetWindowRect(child, &r);
            int fromEdge = mirrored ? resized.right - r.right : r.left - w.left;
            int x = (fromEdge - frameX / 2) * xs / 100;
            int y = (r.top - w.top - topOffset) * ys / 100;
            int width = (r.right - r.left + 1) * xs / 100;
            int height = (r.bottom - r.top + 1) * ys / 100 + DropDownHeight(child, ys);
            SetWindowPos(child, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOOWNERZORDER);
        }
        child = GetWindow(child, GW_HWNDNEXT);
        if (child == first) break;
    }
}

void LanguageResources::ApplyLayout(HWND window) const {
    if (rtl)
        SetWindowLongPtrA(window, GWL_EXSTYLE,
                          GetWindowLongPtrA(window, GWL_EXSTYLE) | WS_EX_LAYOUTRTL);
}
