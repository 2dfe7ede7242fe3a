#include "uninstall/common/lead_bytes.h"

LeadByteTable::LeadByteTable(Empty) : isLead{}, multiByte(false) {}

LeadByteTable LeadByteTable::ForCodePage(unsigned codePage) {
    LeadByteTable table{Empty{}};
    if (codePage == 936) {
        for (int b = 0x81; b <= 0xFE; ++b)
            table.isLead[b] = true;
        table.multiByte = true;
    }
    return table;
}

const LeadByteTable LeadBytes;
