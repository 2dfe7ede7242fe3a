#pragma once
// Paths built in fixed buffers: a path that does not fit is refused, never cut.
#include <cstddef>

constexpr std::size_t PathSize = 1024;

// buffer = folder, a backslash unless folder is empty or ends in one, then
// name. folder may be buffer itself. False (buffer empty) when it does not fit.
bool JoinPath(char* buffer, std::size_t size, const char* folder, const char* name);
