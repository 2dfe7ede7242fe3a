#pragma once
// Which bytes start a two-byte character in the system's ANSI code page.
// The path and text routines take the table as a value so that tests can
// use the code-page-936 table on any machine.

class LeadByteTable {
  public:
    bool isLead[256];
    bool multiByte;

    // Fills the table from the system code page (Windows) or as a
    // single-byte code page (elsewhere).
    LeadByteTable();
    // A table for a given code page: 936 gives the GBK lead bytes 0x81..0xFE,
    // anything else a single-byte table. For tests and native tools.
    static LeadByteTable ForCodePage(unsigned codePage);

  private:
    struct Empty {};
    explicit LeadByteTable(Empty);
};

// Filled during static initialisation, before WinMain runs.
extern const LeadByteTable LeadBytes;
