#pragma once
// Files in the folder of the running program (the Zelkova folder).
#include <cstddef>
#include "uninstall/setup/join_path.h"

// Program folder followed by fileName; false (buffer empty) when it does
// not fit in size bytes.
bool ProgramFilePath(const char* fileName, char* buffer, std::size_t size = PathSize);
