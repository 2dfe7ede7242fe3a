#pragma once
// An entry line as its translator wrote it, read character by character (a
// lead byte and the byte after it are one character): the translation runs
// from the opening quote to the first quote that no backslash escapes. The
// checker compares this with what the program reads.
#include <string>
#include "uninstall/common/lead_bytes.h"

struct EntryReading {
    std::string value;       // escapes resolved
    std::size_t closing;     // offset of the closing quote in the line, npos when none
    bool quoteAfterClosing;  // a further quote follows it: the program reads on to that
    bool textAfterClosing;   // anything but blanks follows it
    std::size_t backslashAt; // offset of a character whose second byte is a backslash
                             // that the program reads as the start of an escape; npos
    char escapeLetter;       // the byte after that backslash
};

// line: the whole entry line, key, '=' and opening quote included. A
// character whose second byte is a backslash may be followed by one more
// backslash, as the template writes it; the program reads the pair as that
// character.
EntryReading ReadEntry(const std::string& line, const LeadByteTable& lead);
