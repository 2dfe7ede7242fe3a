#pragma once
// Localised string-table texts. The result lives in a ring of eight buffers
// of 256 bytes: valid until eight further calls.
#include <cstddef>

const char* ResString(int id);

// String id used as a format with one text argument, cut to fit buffer.
// A text (translated or from the language library) with any conversion but
// one "%s" is never used as a format: the program's own string is used.
void FormatResString(int id, const char* argument, char* buffer, std::size_t size);
