#pragma once
// Conversions between the texts of the PE file (UTF-16), of the command line
// (UTF-8) and the ANSI code page that the program reads its translation
// file in.
#include <string>

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
    // Whether bytes are a valid text of the code page.
    bool Valid(const std::string& bytes) const;

  private:
    unsigned number;
    void* fromUtf16; // iconv descriptors, (void*)-1 when not open
    void* fromUtf8;
    void* toUtf16;
};

// Whether bytes are UTF-8 with at least one character beyond ASCII.
bool LooksLikeUtf8(const std::string& bytes);
