#include "uninstall/localisation/crc32.h"

namespace {

std::uint32_t table[256];

std::uint32_t TableStep(std::uint32_t value) {
    return table[value & 0xFF] ^ (value >> 8);
}

std::uint32_t LittleEndian32(const unsigned char* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

} // namespace

void InitCrcTable() {
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t value = i;
        for (int bit = 0; bit < 8; ++bit)
            value = (value & 1) ? (value >> 1) ^ 0xEDB88320u : value >> 1;
        table[i] = value;
    }
}

std::uint32_t Crc32Update(std::uint32_t crc, const void* bytes, std::size_t length) {
    if (table[1] == 0) InitCrcTable();
    const unsigned char* p = static_cast<const unsigned char*>(bytes);
    for (; length >= 8; length -= 8, p += 8) {
        crc ^= LittleEndian32(p);
        crc = TableStep(TableStep(TableStep(TableStep(crc))));
        crc ^= LittleEndian32(p + 4);
        crc = TableStep(TableStep(TableStep(TableStep(crc))));
    }
    for (; length > 0; --length, ++p)
        crc = (crc >> 8) ^ table[(crc ^ *p) & 0xFF];
    return crc;
}
