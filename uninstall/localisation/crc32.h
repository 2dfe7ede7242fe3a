#pragma once
// CRC-32 (reflected polynomial 0xEDB88320), the key of translation entries.
#include <cstddef>
#include <cstdint>

void InitCrcTable();
// Continues crc over length bytes; no initial or final inversion here.
std::uint32_t Crc32Update(std::uint32_t crc, const void* bytes, std::size_t length);
