#include "uninstall/common/join_path.h"
#include <cstring>
#include "uninstall/common/paths.h"
#include "uninstall/common/text.h"

bool JoinPath(char* buffer, std::size_t size, const char* folder, const char* name) {
    bool fits = folder == buffer || CopyWhole(buffer, size, folder);
    if (fits) {
        fits = std::strlen(buffer) + 1 < size; // room for the backslash
        if (fits) AppendBackslash(buffer);
    }
    std::size_t length = fits ? std::strlen(buffer) : 0;
    std::size_t nameLength = std::strlen(name);
    if (!fits || length + nameLength >= size) {
        buffer[0] = '\0';
        return false;
    }
    std::memcpy(buffer + length, name, nameLength + 1);
    return true;
}
