#pragma once
// Helpers for the setup tests under Wine: the raw registry access of
// tests/support (a `using namespace setup_test` brings it along), and the
// paths of the program's files.
#include <windows.h>
#include <gtest/gtest.h>
#include <string>
#include "tests/support/call_site.h"
#include "tests/support/files.h"
#include "tests/support/raw_registry.h"

namespace setup_test {

using namespace raw_registry;

// A file in the folder setup takes for Zelkova's: the test program's.
inline std::string ProgramFile(const char* name, CallSite at = {}) {
    return test_files::BesideTestProgram(name, at);
}

// A program path that fits in the program's 1,024 bytes while its folder
// (1,016 bytes with the backslash) leaves no room for "Zelkova.exe".
const std::string DeepProgram = "C:\\" + std::string(1012, 'p') + "\\u.exe";

} // namespace setup_test
