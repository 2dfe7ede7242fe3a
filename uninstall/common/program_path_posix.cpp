#include "uninstall/common/program_path.h"
#include <unistd.h>

bool GetProgramPath(char* buffer, std::size_t size) {
    if (size == 0) return false;
    const ssize_t length = readlink("/proc/self/exe", buffer, size);
    if (length <= 0 || static_cast<std::size_t>(length) >= size) {
        buffer[0] = '\0';
        return false;
    }
    buffer[length] = '\0';
    return true;
}
