#include <windows.h>

#include <cwchar>

#include "uninstall/removal/batch_file.h"
#include "uninstall/removal/batch_text.h"

namespace {
constexpr int BatchPathSize = 1024;
constexpr int PieceSize = 3 * BatchPathSize + 64; // the longest piece names three paths

// ansiPath in the OEM code page, only when that text reads back as exactly
// the same characters. Without the check the conversion silently puts
// look-alikes in place of what the OEM code page lacks ("João" becomes
// "Joao"), and the batch file would name another file. The round trip
// works on both families; the 95 family has no WC_NO_BEST_FIT_CHARS.
bool ExactOemText(const char* ansiPath, char* oem, int size) {
    WCHAR wide[BatchPathSize];
    WCHAR back[BatchPathSize];
    return MultiByteToWideChar(CP_ACP, 0, ansiPath, -1, wide, BatchPathSize) != 0 &&
           WideCharToMultiByte(CP_OEMCP, 0, wide, -1, oem, size, nullptr, nullptr) != 0 &&
           MultiByteToWideChar(CP_OEMCP, 0, oem, -1, back, BatchPathSize) != 0 &&
           std::wcscmp(wide, back) == 0;
}
} // namespace

bool PathForBatch(const char* ansiPath, char* out, int size) {
    // The interpreter reads batch files in the OEM code page, which differs
    // from the ANSI one on most systems. When the long path has no exact
    // OEM form, its short form names the same file with other characters.
    char oem[BatchPathSize];
    out[0] = '\0';
    if (!ExactOemText(ansiPath, oem, sizeof oem)) {
        char shortPath[BatchPathSize];
        DWORD length = GetShortPathNameA(ansiPath, shortPath, sizeof shortPath);
        if (length == 0 || length >= sizeof shortPath || !ExactOemText(shortPath, oem, sizeof oem))
            return false;
    }
    return DoublePercent(oem, out, static_cast<std::size_t>(size));
}

bool WriteBatchFile(const char* batchPath, const char* program, const char* folder, bool ntFamily,
                    bool warning) {
    // The file is made first: the short form of its path exists only then.
    HANDLE file = CreateFileA(batchPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    char programText[BatchPathSize], folderText[BatchPathSize], batchText[BatchPathSize];
    bool written = PathForBatch(program, programText, sizeof programText) &&
                   PathForBatch(folder, folderText, sizeof folderText) &&
                   PathForBatch(batchPath, batchText, sizeof batchText);
    const BatchPaths paths = {programText, folderText, batchText};
    for (int index = 0; index < BatchPieceCount && written; ++index) {
        char piece[PieceSize];
        int length = BatchPiece(index, paths, ntFamily, warning, piece, sizeof piece);
        DWORD done = 0;
        written = length >= 0 &&
                  WriteFile(file, piece, static_cast<DWORD>(length), &done, nullptr) &&
                  done == static_cast<DWORD>(length);
    }
    CloseHandle(file);
    if (!written) DeleteFileA(batchPath); // never run a batch file that stops half-way
    return written;
}
