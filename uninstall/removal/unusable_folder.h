#pragma once
// The answer of a run that changes things when its folder's name cannot be
// used through the ANSI functions (exact_names.h): nothing is changed.

// Interactive: a message box under the program's caption says that the
// folder's name cannot be used with this system's language setting and
// names the folder, in UTF-16 so that it is shown as it is; then 0.
// Silent: nothing is shown; UnusableFolderExitCode.
int RefuseUnusableFolder(bool silent, const wchar_t* folder);
