#pragma once
// The full path of the running program's file.
#include <cstddef>

// false, with an empty buffer, when the path cannot be read or does not fit.
bool GetProgramPath(char* buffer, std::size_t size);
// Test seam (Windows builds): GetProgramPath gives path instead of the
// module's file until ClearProgramPathOverride.
void OverrideProgramPath(const char* path);
void ClearProgramPathOverride();
