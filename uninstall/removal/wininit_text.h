#pragma once
// The "[rename]" section of WININIT.INI, which the Windows 95 family works
// through at its next start: a line "NUL=<short path>" deletes that file.
#include <cstddef>

// ini (length bytes, not terminated) with lines (complete "key=value\r\n"
// lines) inserted directly below its "[rename]" header, or a new section
// with them appended at its end when it has none. Every other section and
// line stays as it was. The length of the result in out, or -1 (out empty)
// when it does not fit in size bytes with a terminator.
long AddRenameLines(const char* ini, std::size_t length, const char* lines, char* out,
                    std::size_t size);

// The line that deletes shortPath at the next start, "NUL=<shortPath>\r\n",
// appended to lines (a terminated text in a buffer of size bytes). false,
// with lines unchanged, when it does not fit.
bool AppendDeleteLine(char* lines, std::size_t size, const char* shortPath);
