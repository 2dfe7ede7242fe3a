#pragma once
// The ProgIDs of Zelkova under HKEY_CLASSES_ROOT. Archive extensions point at
// ZkvProgId (ZIP files at ZipProgId); ".rev" files are of RevProgId. Setup
// registers the three (RegisterProgIds); the uninstall deletes them in the
// order of OwnProgIds, then ".rev" while it is still ours.

constexpr char ZkvProgId[] = "Zelkova";
constexpr char ZipProgId[] = "Zelkova.ZIP";
constexpr char RevProgId[] = "Zelkova.REV";
constexpr char RevExtension[] = ".rev";

constexpr const char* OwnProgIds[] = {ZkvProgId, ZipProgId, RevProgId};

// Whether progId names a ProgID that archive extensions point at, in any
// letter case.
bool IsArchiveProgId(const char* progId);
