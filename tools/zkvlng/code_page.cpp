#include "tools/zkvlng/code_page.h"
#include <iconv.h>
#include <vector>

namespace {

const iconv_t Closed = reinterpret_cast<iconv_t>(-1);

iconv_t Open(const char* to, const char* from) {
    return iconv_open(to, from);
}

bool Convert(void* descriptor, const char* in, std::size_t inSize, std::string* out) {
    iconv_t cd = static_cast<iconv_t>(descriptor);
    if (cd == Closed) return false;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::vector<char> buffer(inSize * 4 + 16);
    char* from = const_cast<char*>(in);
    char* to = buffer.data();
    std::size_t left = inSize, room = buffer.size();
    if (iconv(cd, &from, &left, &to, &room) == static_cast<std::size_t>(-1) || left != 0)
        return false;
    out->assign(buffer.data(), to);
    return true;
}

} // namespace

CodePage::CodePage(unsigned number) : number(number) {
    const std::string name = "CP" + std::to_string(number);
    fromUtf16 = Open(name.c_str(), "UTF-16LE");
    fromUtf8 = Open(name.c_str(), "UTF-8");
    toUtf16 = Open("UTF-16LE", name.c_str());
}

CodePage::~CodePage() {
    for (void* cd : {fromUtf16, fromUtf8, toUtf16}) {
        if (static_cast<iconv_t>(cd) != Closed) iconv_close(static_cast<iconv_t>(cd));
    }
}

bool CodePage::Known() const {
    return static_cast<iconv_t>(fromUtf16) != Closed && static_cast<iconv_t>(toUtf16) != Closed;
}

bool CodePage::FromUtf16(const std::u16string& text, std::string* out) const {
    std::string bytes;
    for (char16_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    return Convert(fromUtf16, bytes.data(), bytes.size(), out);
}

bool CodePage::FromUtf8(const std::string& text, std::string* out) const {
    return Convert(fromUtf8, text.data(), text.size(), out);
}

bool CodePage::Valid(const std::string& bytes) const {
    std::string ignored;
    return Convert(toUtf16, bytes.data(), bytes.size(), &ignored);
}

bool LooksLikeUtf8(const std::string& bytes) {
    bool beyondAscii = false;
    for (std::size_t i = 0; i < bytes.size();) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        const int follow = c < 0x80             ? 0
                           : (c & 0xE0) == 0xC0 ? 1
                           : (c & 0xF0) == 0xE0 ? 2
                           : (c & 0xF8) == 0xF0 ? 3
                                                : -1;
        if (follow < 0 || (follow == 1 && c < 0xC2)) return false;
        for (int k = 1; k <= follow; ++k) {
            if (i + k >= bytes.size() || (static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80)
                return false;
        }
        beyondAscii |= follow > 0;
        i += follow + 1;
    }
    return beyondAscii;
}
