#pragma once
// Helpers for the setup tests under Wine: the raw registry access of
// raw_registry_wine_test.h (a `using namespace setup_test` brings it along),
// and the paths of the program's files.
#include <windows.h>
#include <gtest/gtest.h>
#include <string>
#include "uninstall/registry/raw_registry_wine_test.h"
#include "uninstall/common/program_path.h"

namespace setup_test {

using namespace raw_registry;

inline std::string ProgramFile(const char* name) {
    char path[PathSize];
    EXPECT_TRUE(ProgramFilePath(name, path));
    return path;
}

// A program path that fits in the program's 1,024 bytes while its folder
// (1,016 bytes with the backslash) leaves no room for "Zelkova.exe".
const std::string DeepProgram = "C:\\" + std::string(1012, 'p') + "\\u.exe";

} // namespace setup_test
