#include "tools/zkvlng/code_page.h"

#include <cerrno>
#include <iconv.h>
#include <langinfo.h>
#include <vector>

namespace {

const iconv_t Closed = reinterpret_cast<iconv_t>(-1);

// Converts all of in; errno tells why not.
bool Convert(void* descriptor, const char* in, std::size_t inSize, std::string* out) {
    iconv_t cd = static_cast<iconv_t>(descriptor);
    if (cd == Closed) {
        errno = EBADF;
        return false;
    }
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::vector<char> buffer(inSize * 4 + 16);
    char* from = const_cast<char*>(in);
    char* to = buffer.data();
    std::size_t left = inSize, room = buffer.size();
    if (iconv(cd, &from, &left, &to, &room) == static_cast<std::size_t>(-1)) return false;
    if (iconv(cd, nullptr, nullptr, &to, &room) == static_cast<std::size_t>(-1)) return false;
    out->assign(buffer.data(), to);
    return true;
}

std::string Utf16Bytes(const std::u16string& text) {
    std::string bytes;
    for (char16_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}

// Converts character by character (a character being one byte, or two when
// the first is a lead byte), '?' for what does not convert.
std::string ConvertEach(void* descriptor, const std::string& bytes, const LeadByteTable& lead) {
    std::string out, piece;
    for (std::size_t i = 0; i < bytes.size();) {
        const bool pair = lead.isLead[static_cast<unsigned char>(bytes[i])] && i + 1 < bytes.size();
        const std::size_t length = pair ? 2 : 1;
        out += Convert(descriptor, bytes.data() + i, length, &piece) ? piece : "?";
        i += length;
    }
    return out;
}

// Lead bytes as the system's conversion sees them: alone, such a byte is
// an incomplete character (EINVAL), not a character or a wrong one.
LeadByteTable LeadBytesOf(void* toUtf16) {
    LeadByteTable table = LeadByteTable::ForCodePage(0);
    std::string ignored;
    for (int b = 0x80; b < 0x100; ++b) {
        const char byte = static_cast<char>(b);
        table.isLead[b] = !Convert(toUtf16, &byte, 1, &ignored) && errno == EINVAL;
        table.multiByte |= table.isLead[b];
    }
    return table;
}

} // namespace

CodePage::CodePage(unsigned number) : number(number), lead(LeadByteTable::ForCodePage(0)) {
    const std::string name = "CP" + std::to_string(number);
    const char* terminal = nl_langinfo(CODESET);
    fromUtf16 = iconv_open(name.c_str(), "UTF-16LE");
    fromUtf8 = iconv_open(name.c_str(), "UTF-8");
    toUtf16 = iconv_open("UTF-16LE", name.c_str());
    toTerminal = iconv_open(terminal, name.c_str());
    fromTerminal = iconv_open(name.c_str(), terminal);
    lead = LeadBytesOf(toUtf16);
}

CodePage::~CodePage() {
    for (void* cd : {fromUtf16, fromUtf8, toUtf16, toTerminal, fromTerminal}) {
        if (static_cast<iconv_t>(cd) != Closed) iconv_close(static_cast<iconv_t>(cd));
    }
}

bool CodePage::Known() const {
    return static_cast<iconv_t>(fromUtf16) != Closed && static_cast<iconv_t>(toUtf16) != Closed;
}

bool CodePage::FromUtf16(const std::u16string& text, std::string* out) const {
    const std::string bytes = Utf16Bytes(text);
    return Convert(fromUtf16, bytes.data(), bytes.size(), out);
}

bool CodePage::FromUtf8(const std::string& text, std::string* out) const {
    return Convert(fromUtf8, text.data(), text.size(), out);
}

std::string CodePage::FromUtf16Lossy(const std::u16string& text, bool* spelled) const {
    std::string out, piece;
    *spelled = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // A surrogate pair is one character.
        const bool pair = text[i] >= 0xD800 && text[i] < 0xDC00 && i + 1 < text.size();
        if (FromUtf16(text.substr(i, pair ? 2 : 1), &piece)) {
            out += piece;
        } else {
            out += '?';
            *spelled = false;
        }
        i += pair ? 1 : 0;
    }
    return out;
}

bool CodePage::Valid(const std::string& bytes) const {
    std::string ignored;
    return Convert(toUtf16, bytes.data(), bytes.size(), &ignored);
}

std::string CodePage::ToTerminal(const std::string& bytes) const {
    return ConvertEach(toTerminal, bytes, lead);
}

bool CodePage::FromTerminal(const std::string& text, std::string* out) const {
    // A terminal that claims plain ASCII (the C locale) most often sends UTF-8.
    return Convert(fromTerminal, text.data(), text.size(), out) || FromUtf8(text, out);
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
