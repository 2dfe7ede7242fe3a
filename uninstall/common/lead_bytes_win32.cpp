#include "uninstall/common/lead_bytes.h"
#include <windows.h>

LeadByteTable::LeadByteTable() : isLead{}, multiByte(false) {
    CPINFO info;
    multiByte = GetCPInfo(CP_ACP, &info) && info.MaxCharSize > 1;
    for (int b = 0; b < 256; ++b)
        isLead[b] = IsDBCSLeadByte(static_cast<BYTE>(b)) != FALSE;
}
