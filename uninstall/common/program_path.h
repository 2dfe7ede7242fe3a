#pragma once
// The running program's file and the folder it lies in. Folders are given
// without a trailing backslash, except a drive root ("C:\"), and every
// result that does not fit its buffer is refused, never cut.
#include <cstddef>
#include "uninstall/common/join_path.h"
#include "uninstall/common/lead_bytes.h"

// The full path of the running program's file. false, with an empty buffer,
// when the path cannot be read or does not fit.
bool GetProgramPath(char* buffer, std::size_t size);

// The folder part of a program path: up to its last backslash, which a
// drive root keeps ("C:\uninstall.exe" gives "C:\"). false when the path has
// no backslash or the folder does not fit.
bool ProgramFolder(const char* programPath, char* folder, std::size_t size,
                   const LeadByteTable& lead = LeadBytes);

// A file next to the running program: its path up to the last separator,
// then name. false (buffer empty) when it does not fit.
bool ProgramFilePath(const char* name, char* buffer, std::size_t size = PathSize);

// Test seam (Windows builds): GetProgramPath gives path instead of the
// module's file until ClearProgramPathOverride.
void OverrideProgramPath(const char* path);
void ClearProgramPathOverride();
