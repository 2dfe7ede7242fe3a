#pragma once
// The lines of a translation file as its translator sees them, and what
// can be told of its bytes alone.
#include <string>
#include <vector>
#include "tools/zkvlng/code_page.h"

struct Line {
    std::size_t start, end; // bytes of the line, without its line end
    int number;
};

// Lines of the file; CR LF, LF and CR each end one.
std::vector<Line> SplitLines(const std::string& bytes);
// The number of the line that holds the byte at position.
int LineAt(const std::vector<Line>& lines, std::size_t position);
// 8 lower-case hex digits, '=' and a quote.
bool IsEntry(const std::string& line);
bool IsCommentOrBlank(const std::string& line);
// Two hex digits.
std::string Hex(unsigned char c);
// Where the first bad byte of an entry is: a lead byte with no trail byte,
// or bytes the code page does not have.
bool BadBytes(const std::string& line, const CodePage& codePage, std::string* why);
// UTF-16 by its byte-order mark, or by zero bytes in every other place.
bool LooksLikeUtf16(const std::string& bytes);
