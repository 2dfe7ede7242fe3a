#pragma once
// Conversions between the texts of the PE file (UTF-16), of the terminal and
// the ANSI code page that the program reads its translation file in, all
// through the system's own conversion (iconv).
#include <string>
#include "uninstall/common/lead_bytes.h"

class CodePage {
  public:
    explicit CodePage(unsigned number);
    ~CodePage();
    CodePage(const CodePage&) = delete;
    CodePage& operator=(const CodePage&) = delete;

    // False when the system knows no such code page.
    bool Known() const;
    unsigned Number() const { return number; }
    // Text in the code page, or false when a character has no form in it.
    bool FromUtf16(const std::u16string& text, std::string* out) const;
    bool FromUtf8(const std::string& text, std::string* out) const;
    // The text as a program reads it on a system with this code page: a
    // character the code page cannot spell becomes '?'. spelled tells
    // whether every character had its own form.
    std::string FromUtf16Lossy(const std::u16string& text, bool* spelled) const;
    // Whether bytes are a valid text of the code page.
    bool Valid(const std::string& bytes) const;
    // The bytes that start a two-byte character, as the conversion reads
    // them: a lead byte alone is an incomplete character.
    const LeadByteTable& Lead() const { return lead; }
    // Bytes of the code page in the terminal's encoding (the locale's), a
    // character that it cannot show as '?'; and back (UTF-8 when the text
    // is not in the terminal's encoding).
    std::string ToTerminal(const std::string& bytes) const;
    bool FromTerminal(const std::string& text, std::string* out) const;

  private:
    unsigned number;
    void* fromUtf16; // iconv descriptors, (void*)-1 when not open
    void* fromUtf8;
    void* toUtf16;
    void* toTerminal;
    void* fromTerminal;
    LeadByteTable lead;
};

// Whether bytes are UTF-8 with at least one character beyond ASCII.
bool LooksLikeUtf8(const std::string& bytes);
