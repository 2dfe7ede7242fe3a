#pragma once
// What every fuzz target shares: reading values out of the fuzzer's bytes,
// exactly sized heap buffers, property checks and scratch files.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>
#include <unistd.h>

#include "uninstall/common/lead_bytes.h"

// A failed property ends the run the way a sanitizer finding does, so the
// fuzzer keeps the input as a crash.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition);  \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

// Takes values from the front of the input; an exhausted input gives zeros
// and empty texts.
class FuzzInput {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data(data), size(size) {}

    std::uint8_t Byte() { return pos < size ? data[pos++] : 0; }
    bool Flag() { return (Byte() & 1) != 0; }
    // 0 .. limit (inclusive), from two bytes.
    std::size_t Number(std::size_t limit) {
        const std::size_t raw = static_cast<std::size_t>(Byte()) << 8 | Byte();
        return limit == 0 ? 0 : raw % (limit + 1);
    }
    // Bytes up to the next zero byte (consumed) or the end.
    std::string Text() {
        std::string text;
        while (pos < size && data[pos] != 0)
            text += static_cast<char>(data[pos++]);
        if (pos < size) ++pos;
        return text;
    }
    // Everything not taken yet, zero bytes included.
    std::string Rest() {
        std::string rest(reinterpret_cast<const char*>(data + pos), size - pos);
        pos = size;
        return rest;
    }
    // The single-byte or the code-page-936 table.
    const LeadByteTable& Table() {
        static const LeadByteTable single = LeadByteTable::ForCodePage(1252);
        static const LeadByteTable gbk = LeadByteTable::ForCodePage(936);
        return Flag() ? gbk : single;
    }

  private:
    const std::uint8_t* data;
    std::size_t size;
    std::size_t pos = 0;
};

// A heap block of exactly size bytes: one byte written or read beyond it is
// an AddressSanitizer finding. The sanitizer gives malloc(0) a byte of its
// own, so size 0 points just behind a one-byte block instead.
class ExactBuffer {
  public:
    explicit ExactBuffer(std::size_t size)
        : size(size), block(static_cast<char*>(std::malloc(size ? size : 1))),
          bytes(size ? block : block + 1) {
        std::memset(block, 0x5A, size ? size : 1);
    }
    ~ExactBuffer() { std::free(block); }
    ExactBuffer(const ExactBuffer&) = delete;
    ExactBuffer& operator=(const ExactBuffer&) = delete;

    // A zero byte within the block and nothing but the text before it.
    bool Holds(const std::string& text) const {
        return text.size() < size && std::memcmp(bytes, text.data(), text.size()) == 0 &&
               bytes[text.size()] == '\0';
    }

    const std::size_t size;
    char* const block; // what was allocated
    char* const bytes;
};

// A copy of text in a block of exactly its length plus the terminator.
inline ExactBuffer* ExactCopy(const std::string& text) {
    ExactBuffer* copy = new ExactBuffer(text.size() + 1);
    std::memcpy(copy->bytes, text.c_str(), text.size() + 1);
    return copy;
}

// Which bytes of text start a character, read as the system reads it: a lead
// byte takes the next byte with it unless that is the end of the text. The
// plain model that the targets compare the routines against.
inline std::vector<bool> CharacterStarts(const std::string& text, const LeadByteTable& lead) {
    std::vector<bool> starts(text.size() + 1, false);
    for (std::size_t i = 0; i < text.size();) {
        starts[i] = true;
        const bool pair = lead.multiByte && lead.isLead[static_cast<unsigned char>(text[i])] &&
                          i + 1 < text.size();
        i += pair ? 2 : 1;
    }
    starts[text.size()] = true;
    return starts;
}

// A file of this process's own, rewritten for every input.
class ScratchFile {
  public:
    ScratchFile() {
        const char* folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        std::snprintf(path, sizeof path, "%s/zk-fuzz-%d", folder, static_cast<int>(getpid()));
    }
    ~ScratchFile() { unlink(path); }
    void Write(const std::string& contents) {
        std::FILE* f = std::fopen(path, "wb");
        FUZZ_CHECK(f != nullptr);
        FUZZ_CHECK(std::fwrite(contents.data(), 1, contents.size(), f) == contents.size());
        std::fclose(f);
    }
    char path[64];
};
