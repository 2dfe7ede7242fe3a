#include "uninstall/common/program_path.h"

#include <cstring>

#include "uninstall/common/paths.h"
#include "uninstall/common/text.h"

bool ProgramFolder(const char* programPath, char* folder, std::size_t size,
                   const LeadByteTable& lead) {
    const char* lastBackslash = nullptr;
    for (const char* p = programPath; *p; p = NextChar(p, lead)) {
        if (*p == '\\') lastBackslash = p;
    }
    if (!lastBackslash) return false;
    std::size_t length = static_cast<std::size_t>(lastBackslash - programPath);
    if (length > 0 && programPath[length - 1] == ':') ++length; // a drive root keeps its backslash
    if (length >= size) return false;
    std::memcpy(folder, programPath, length);
    folder[length] = '\0';
    return true;
}

bool ProgramFilePath(const char* name, char* buffer, std::size_t size) {
    if (!GetProgramPath(buffer, size)) return false;
    char* folderEnd = NamePart(buffer); // just after the last separator
    if (folderEnd == buffer || !CopyWhole(folderEnd, size - (folderEnd - buffer), name)) {
        buffer[0] = '\0';
        return false;
    }
    return true;
}
