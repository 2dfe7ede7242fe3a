#pragma once
// The installation folder of a setup: the folder the program was started in.
// The program never changes its current directory before a setup, so the
// current directory names it, as GetCurrentDirectoryA gives it (no trailing
// backslash except at a drive root).
#include <cstddef>
#include "uninstall/common/join_path.h"

// false (buffer empty) when it cannot be read or does not fit.
bool GetInstallationFolder(char* buffer, std::size_t size = PathSize);
// A file in the installation folder; false (buffer empty) when it does not fit.
bool InstalledFilePath(const char* name, char* buffer, std::size_t size = PathSize);
