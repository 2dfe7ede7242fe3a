#include <windows.h>

#include "uninstall/removal/batch_file.h"
#include "uninstall/removal/batch_text.h"

namespace {
constexpr int BatchPathSize = 1024;
constexpr int PieceSize = 3 * BatchPathSize + 64; // the longest piece names three paths
} // namespace

bool PathForBatch(const char* ansiPath, char* out, int size) {
    // ANSI -> UTF-16 -> OEM; the interpreter reads batch files in the OEM
    // code page, which differs from the ANSI one on most systems.
    WCHAR wide[BatchPathSize];
    char oem[BatchPathSize];
    out[0] = '\0';
    if (MultiByteToWideChar(CP_ACP, 0, ansiPath, -1, wide, BatchPathSize) == 0)
        return false;
    BOOL lossy = FALSE;
    if (WideCharToMultiByte(CP_OEMCP, 0, wide, -1, oem, sizeof oem, nullptr, &lossy) == 0 ||
        lossy)
        return false; // a replaced character would name another file
    return DoublePercent(oem, out, static_cast<std::size_t>(size));
}

bool WriteBatchFile(const char* batchPath, const char* program, const char* folder, bool ntFamily,
                    bool warning) {
    char programText[BatchPathSize], folderText[BatchPathSize], batchText[BatchPathSize];
    if (!PathForBatch(program, programText, sizeof programText) ||
        !PathForBatch(folder, folderText, sizeof folderText) ||
        !PathForBatch(batchPath, batchText, sizeof batchText))
        return false;
    const BatchPaths paths = {programText, folderText, batchText};
    HANDLE file = CreateFileA(batchPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool written = true;
    for (int index = 0; index < BatchPieceCount && written; ++index) {
        char piece[PieceSize];
        int length = BatchPiece(index, paths, ntFamily, warning, piece, sizeof piece);
        DWORD done = 0;
        written = length >= 0 &&
                  WriteFile(file, piece, static_cast<DWORD>(length), &done, nullptr) &&
                  done == static_cast<DWORD>(length);
    }
    CloseHandle(file);
    if (!written)
        DeleteFileA(batchPath); // never run a batch file that stops half-way
    return written;
}
