#include "sombrel/rules/tray_tip.h"

#include <cstring>

void FillTrayTip(const char* text, char* tip, size_t tipSize, LeadByteTest isLeadByte) {
    if (tipSize == 0) return;
    size_t length = 0;
    while (text[length] != '\0') {
        const bool pair =
            isLeadByte(static_cast<unsigned char>(text[length])) && text[length + 1] != '\0';
        const size_t next = length + (pair ? 2 : 1);
        if (next > tipSize - 1) break;
        length = next;
    }
    std::memcpy(tip, text, length);
    tip[length] = '\0';
    std::memset(tip + length + 1, ' ', tipSize - length - 1);
}
