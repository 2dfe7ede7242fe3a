#pragma once
// A language library against the program: which string ids and dialog
// controls it lacks or adds, which of its texts the code page cannot spell
// or the program refuses, and its texts beside the program's own.
#include <string>
#include <vector>
#include "tools/zkvlng/code_page.h"
#include "tools/zkvlng/lng_check.h"

struct LibraryCheck {
    std::vector<Finding> findings;    // missing and extra ids first; line is 0
    std::vector<std::string> listing; // "string 5104: <program's> => <library's>"
};

// False with a reason when a file cannot be read.
bool CheckLibrary(const char* library, const char* program, const CodePage& codePage,
                  LibraryCheck* check, std::string* error);
