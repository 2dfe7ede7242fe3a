#pragma once
// A .lnk file made through the system's shell-link object.

// Saves (or replaces) linkPath pointing at target with the description.
// True when the link file was saved.
bool CreateShellLink(const char* target, const char* linkPath, const char* description);
