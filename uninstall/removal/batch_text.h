#pragma once
// The text of the self-removal batch file "Uninstall_Zkv.Bat".
#include <cstddef>

constexpr const char* BatchFileName = "Uninstall_Zkv.Bat";

// Copies text with every '%' doubled, so that the command interpreter reads
// it as it stands. false (out empty) when it does not fit; a size of 0
// writes nothing.
bool DoublePercent(const char* text, char* out, std::size_t size);

// Paths as the command interpreter is to read them from the file (converted
// and with '%' doubled).
struct BatchPaths {
    const char* program; // the program file
    const char* folder;  // its folder, a drive root with its backslash
    const char* batch;   // the batch file itself
};

// The pieces in their order: the "/wait" start of a second instance, five
// deletion attempts, the "/warning" start (left out without warning: a
// silent uninstall shows nothing) and the self-deletion.
constexpr int BatchPieceCount = 7;

// Piece index (0 .. BatchPieceCount - 1) into out, without terminator in the
// count; -1 when it does not fit.
int BatchPiece(int index, const BatchPaths& paths, bool ntFamily, bool warning, char* out,
               std::size_t size);
