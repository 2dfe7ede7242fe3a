#pragma once
// A program path as a command line that names the program unambiguously:
// in double quotes when it holds a blank (or always, when asked), so that
// "C:\Program Files\x.exe" can never start C:\Program.exe.
#include <cstddef>

// False (dst empty) when the result does not fit.
bool QuotePath(char* dst, std::size_t size, const char* path, bool always);
