#pragma once
// Bounded copies into fixed, caller-owned buffers.
#include <cstddef>
#include "uninstall/common/lead_bytes.h"

// Copies src into dst when it fits with its terminator and returns true;
// otherwise leaves dst empty and returns false. For paths and key names,
// where a cut text would name something else.
bool CopyWhole(char* dst, std::size_t size, const char* src);
// Copies as much of src as fits, never splitting a two-byte character,
// always terminated. For display texts. size must be at least 1.
void CopyCut(char* dst, std::size_t size, const char* src, const LeadByteTable& lead = LeadBytes);
// Length of the longest start of the first length bytes of s that fits in
// limit bytes without splitting a two-byte character.
std::size_t CutLength(const char* s, std::size_t length, std::size_t limit,
                      const LeadByteTable& lead = LeadBytes);
