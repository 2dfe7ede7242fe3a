#pragma once
// Bounded formatting into fixed, caller-owned buffers.
#include <cstddef>

#ifdef _WIN32
#define ZK_FORMAT_ARCHETYPE ms_printf // the system C library formats it
#else
#define ZK_FORMAT_ARCHETYPE printf
#endif

// Formats into dst when the whole result fits with its terminator and
// returns true; otherwise leaves dst empty and returns false. For paths, key
// names and command lines, where a cut text would name something else.
// The conversions used are those the system's C library and the C standard
// agree on: %s, %d, %02d, %08x and %%.
bool FormatWhole(char* dst, std::size_t size, const char* format, ...)
    __attribute__((format(ZK_FORMAT_ARCHETYPE, 3, 4)));
