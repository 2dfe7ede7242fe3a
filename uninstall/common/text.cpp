#include "uninstall/common/text.h"
#include <cstring>

bool CopyWhole(char* dst, std::size_t size, const char* src) {
    if (size == 0) return false;
    const std::size_t length = std::strlen(src);
    if (length >= size) {
        dst[0] = '\0';
        return false;
    }
    std::memmove(dst, src, length + 1);
    return true;
}

std::size_t CutLength(const char* s, std::size_t length, std::size_t limit,
                      const LeadByteTable& lead) {
    if (length <= limit) return length;
    std::size_t end = 0;
    while (end < limit) {
        const bool pair = lead.isLead[static_cast<unsigned char>(s[end])] && end + 1 < length;
        const std::size_t width = pair ? 2 : 1;
        if (end + width > limit) break;
        end += width;
    }
    return end;
}

void CopyCut(char* dst, std::size_t size, const char* src, const LeadByteTable& lead) {
    const std::size_t length = CutLength(src, std::strlen(src), size - 1, lead);
    std::memmove(dst, src, length);
    dst[length] = '\0';
}
