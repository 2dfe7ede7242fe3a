#include "forms/message_box.h"

void ShowMessage(Form* owner, const char* text, const char* caption) {
    MessageBoxA(owner ? owner->hwnd : nullptr, text, caption, MB_OK);
}
