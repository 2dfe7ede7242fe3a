#pragma once
// Whether a string-table text may be used as a format with one text
// argument: exactly one "%s" and no other conversion ("%%" is a percent
// sign). Anything else could read arguments that were never passed.
bool IsSingleTextFormat(const char* format);
