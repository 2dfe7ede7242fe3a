#include "tests/driver/ui_driver.h"

namespace ui {

std::string MessageBoxText(HWND box) {
    return Text(FindControl(box, kMessageBoxTextId));
}

bool AnswerMessageBox(HWND box, int buttonId) {
    return Click(FindControl(box, buttonId));
}

} // namespace ui
