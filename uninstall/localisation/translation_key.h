#pragma once
// The key of a translation entry: the CRC-32 of the kind character ('s' for
// strings, '$' for dialog texts), the section (when there is one) and the
// source text, written as 8 lower-case hexadecimal digits.

constexpr int TranslationKeySize = 16; // 8 digits, room to spare

// section may be null.
void TranslationKey(char (&key)[TranslationKeySize], char kind, const char* section,
                    const char* source);
