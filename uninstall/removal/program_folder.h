#pragma once
// The folder of the running program, from its full path.
#include <cstddef>
#include "uninstall/common/lead_bytes.h"

// The path up to its last backslash; a drive root keeps its backslash
// ("C:\uninstall.exe" gives "C:\"). false when the path has no backslash or
// the folder does not fit.
bool ProgramFolder(const char* programPath, char* folder, std::size_t size,
                   const LeadByteTable& lead = LeadBytes);
