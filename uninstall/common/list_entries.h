#pragma once
// The installation's list file: one path per line (LF or CR LF), relative to
// the program folder, in the ANSI code page.
#include <cstddef>

#include "uninstall/common/lead_bytes.h"

class File;

constexpr const char* ListFileName = "Uninstall.lst";
// Lines are read through a buffer of this size: at most 2,047 bytes form one
// entry, and a longer line is taken as several entries.
constexpr int ListLineSize = 2048;

class ListReader {
  public:
    // Entries are trimmed and checked with the lead-byte table lead.
    explicit ListReader(File& file, const LeadByteTable& lead = LeadBytes);
    ListReader(const ListReader&) = delete;
    ListReader& operator=(const ListReader&) = delete;

    // The next entry that names something inside the program folder, without
    // trailing blanks, tabs and line ends; null at the end of the file.
    // Blank lines and unsafe entries are skipped.
    const char* Next();
    // Back to the first line.
    void Rewind();

  private:
    bool ReadLine();
    int Peek();

    File& file;
    const LeadByteTable& lead;
    char chunk[4096];
    int chunkLength = 0;
    int chunkPos = 0;
    bool atEnd = false;
    char line[ListLineSize];
};

// Whether an entry stays inside the folder it is joined to: no drive, no
// leading separator (root or UNC path), no component made of two or more
// dots (with blanks, which the system drops). The entry is read character by
// character as the system's file functions read it: a lead byte and the byte
// after it are one character even when that byte is no valid second byte
// ('/', ':', '.'; the system turns such a pair into '?'), so a second byte is
// never a separator, a drive colon or a dot.
bool IsSafeListEntry(const char* entry, const LeadByteTable& lead = LeadBytes);

// folder (ending in a backslash) followed by entry; false when it does not
// fit, leaving out empty.
bool JoinListEntry(char* out, std::size_t size, const char* folder, const char* entry);
