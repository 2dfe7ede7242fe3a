#pragma once
// Localised string-table texts. The result lives in a ring of eight buffers
// of 256 bytes: valid until eight further calls.
#include <cstddef>

const char* ResString(int id);

// String id used as a format with one text argument, cut to fit buffer.
// A text (translated or from the language library) with any conversion but
// one "%s" is never used as a format: the program's own string is used.
void FormatResString(int id, const char* argument, char* buffer, std::size_t size);

// The format FormatResString uses for string id, into format (256 bytes or
// more), so that a text can be read while the language library is loaded
// and shown after it is released.
void ResFormat(int id, char* format, std::size_t size);
// A format with one "%s", as ResFormat gives it, with argument into buffer,
// cut to fit without splitting a character.
void FormatText(const char* format, const char* argument, char* buffer, std::size_t size);
