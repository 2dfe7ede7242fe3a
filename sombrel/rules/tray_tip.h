#pragma once

#include <cstddef>

// Fills the icon's tip field: the text, one NUL, then spaces up to the end of
// the field. A text that leaves no room for its NUL is cut to fit.
void FillTrayTip(const char* text, char* tip, size_t tipSize);
