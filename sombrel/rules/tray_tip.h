#pragma once

#include <cstddef>

// Whether a byte begins a two-byte character in the system code page.
typedef bool (*LeadByteTest)(unsigned char byte);

// Fills the icon's tip field: the text, one NUL, then spaces up to the end of
// the field. A text that leaves no room for its NUL is cut to fit, between
// two characters: a two-byte character is never split.
void FillTrayTip(const char* text, char* tip, size_t tipSize, LeadByteTest isLeadByte);
