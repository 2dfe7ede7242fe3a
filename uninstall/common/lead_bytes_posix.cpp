#include "uninstall/common/lead_bytes.h"

// Native builds treat text as a single-byte code page; tests that need
// double-byte behaviour use LeadByteTable::ForCodePage(936).
LeadByteTable::LeadByteTable() : isLead{}, multiByte(false) {}
