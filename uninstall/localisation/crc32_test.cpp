#include "uninstall/localisation/crc32.h"
#include <gtest/gtest.h>
#include <cstring>

namespace {

std::uint32_t Crc(const char* s) {
    return ~Crc32Update(0xFFFFFFFFu, s, std::strlen(s));
}

// Bit by bit, straight from the polynomial.
std::uint32_t BitwiseCrc(const unsigned char* p, std::size_t n) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < n; ++i) {
        crc ^= p[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
    }
    return ~crc;
}

TEST(Crc32, KnownKeys) {
    EXPECT_EQ(0xCBF43926u, Crc("123456789"));
    EXPECT_EQ(0x92AB48BEu, Crc("sabc"));
    EXPECT_EQ(0x50A17AE8u, Crc("$LTRLTR"));
    EXPECT_EQ(0x9B889D24u, Crc("$SETUPDLG"));
    EXPECT_EQ(0u, Crc(""));
}

TEST(Crc32, EveryLengthAndSplitMatchesTheBitwiseForm) {
    unsigned char bytes[64];
    for (int i = 0; i < 64; ++i)
        bytes[i] = static_cast<unsigned char>(i * 37 + 0x80);
    for (std::size_t n = 0; n <= sizeof bytes; ++n) {
        EXPECT_EQ(BitwiseCrc(bytes, n), ~Crc32Update(0xFFFFFFFFu, bytes, n)) << n;
        for (std::size_t cut = 0; cut <= n; cut += 5) {
            const std::uint32_t first = Crc32Update(0xFFFFFFFFu, bytes, cut);
            EXPECT_EQ(BitwiseCrc(bytes, n), ~Crc32Update(first, bytes + cut, n - cut)) << n;
        }
    }
}

} // namespace
