#include "uninstall/common/paths.h"
#include <cstring>

namespace {

// One character forward: a character start when the code page has two-byte
// characters, one byte otherwise.
const char* Step(const char* p, const LeadByteTable& lead) {
    return lead.multiByte ? NextChar(p, lead) : p + 1;
}

} // namespace

char* NextChar(const char* p, const LeadByteTable& lead) {
    const unsigned char c = static_cast<unsigned char>(*p);
    if (lead.isLead[c] && p[1] != '\0') return const_cast<char*>(p + 2);
    return const_cast<char*>(p + 1);
}

bool IsSeparator(unsigned char c) {
    return c == '\\' || c == '/';
}

bool IsDriveColon(unsigned char c) {
    return c == ':';
}

char* NamePart(const char* path, const LeadByteTable& lead) {
    const char* afterSeparator = nullptr;
    for (const char* p = path; *p != '\0'; p = Step(p, lead)) {
        if (IsSeparator(static_cast<unsigned char>(*p))) afterSeparator = p + 1;
    }
    if (afterSeparator) return const_cast<char*>(afterSeparator);
    const unsigned char first = static_cast<unsigned char>(path[0]);
    if (first != '\0' && !lead.isLead[first] && IsDriveColon(static_cast<unsigned char>(path[1])))
        return const_cast<char*>(path + 2);
    return const_cast<char*>(path);
}

char* LastCharPtr(const char* s, const LeadByteTable& lead) {
    const char* last = s;
    for (const char* p = s; *p != '\0'; p = Step(p, lead))
        last = p;
    return const_cast<char*>(last);
}

void AppendBackslash(char* path, const LeadByteTable& lead) {
    char* last = LastCharPtr(path, lead);
    if (*last == '\0' || *last == '\\') return;
    const std::size_t length = std::strlen(path);
    path[length] = '\\';
    path[length + 1] = '\0';
}

char* TrimRight(char* s, const LeadByteTable& lead) {
    // Walk by characters, so a blank that is the second byte of a pair is
    // kept with its lead byte.
    char* end = s;
    const char* p = s;
    for (; *p != '\0'; p = Step(p, lead)) {
        const char c = *p;
        if (c != '\r' && c != '\n' && c != ' ' && c != '\t') end = const_cast<char*>(Step(p, lead));
    }
    std::memset(end, 0, static_cast<std::size_t>(p - end));
    return s;
}
