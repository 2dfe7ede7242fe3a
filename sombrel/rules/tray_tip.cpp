#include "sombrel/rules/tray_tip.h"

#include <cstring>

void FillTrayTip(const char* text, char* tip, size_t tipSize) {
    if (tipSize == 0) return;
    size_t length = std::strlen(text);
    if (length > tipSize - 1) length = tipSize - 1;
    std::memcpy(tip, text, length);
    tip[length] = '\0';
    std::memset(tip + length + 1, ' ', tipSize - length - 1);
}
