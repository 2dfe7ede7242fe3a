#pragma once
// Locale-aware, case-insensitive comparison: -1, 0, 1, or -2 on failure.
int CompareNoCase(const char* a, const char* b);
