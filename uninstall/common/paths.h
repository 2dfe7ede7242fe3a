#pragma once
// Double-byte-safe path and text routines. Separators and colons are only
// tested at character starts, so a trail byte 0x5C is never a backslash.
#include "uninstall/common/lead_bytes.h"

char* NextChar(const char* p, const LeadByteTable& lead = LeadBytes);
bool IsSeparator(unsigned char c);  // '\\' or '/'
bool IsDriveColon(unsigned char c); // ':'
// Pointer to the file-name part of path, inside the same buffer.
char* NamePart(const char* path, const LeadByteTable& lead = LeadBytes);
// Pointer to the first byte of the last character (the terminator of "").
char* LastCharPtr(const char* s, const LeadByteTable& lead = LeadBytes);
// Appends '\\' unless path is empty or ends in one. Needs one spare byte.
void AppendBackslash(char* path, const LeadByteTable& lead = LeadBytes);
// Removes trailing CR, LF, blanks and tabs in place, character by character
// (a trail byte is never taken for a blank); returns s.
char* TrimRight(char* s, const LeadByteTable& lead = LeadBytes);
