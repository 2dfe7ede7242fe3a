#pragma once
// Whether the program's ANSI names of its folders are the system's names.
// On the NT family a name the ANSI code page cannot spell comes back from
// the A functions changed: a look-alike ("Łukasz" as "Lukasz" in code page
// 1252) names another folder, a '?' none. The A text is converted back to
// UTF-16 and compared with what the W function gives. On the 95 family
// every name is an ANSI name: always exact there.
#include <cstddef>

// The exit code of a silent run that refused its folder.
constexpr int UnusableFolderExitCode = 5;

// The folder of the running program file. false only when both names can
// be read and differ, with the folder's real name in folder (size
// characters); a name that cannot be read at all is no such difference.
bool ProgramFolderIsExact(wchar_t* folder, std::size_t size);
// The same for the current directory.
bool CurrentDirectoryIsExact(wchar_t* folder, std::size_t size);
