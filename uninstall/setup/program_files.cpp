#include "uninstall/setup/program_files.h"
#include "uninstall/common/paths.h"
#include "uninstall/common/program_path.h"

bool ProgramFilePath(const char* fileName, char* buffer, std::size_t size) {
    if (!GetProgramPath(buffer, size)) return false;
    *NamePart(buffer) = '\0';
    return JoinPath(buffer, size, buffer, fileName);
}
