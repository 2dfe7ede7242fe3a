// The self-removal batch text: the program, folder and batch paths through
// DoublePercent and every piece of the batch builder, at destination sizes
// around the point where the text just fits, against plain concatenation.
#include "fuzz/fuzz_input.h"
#include "uninstall/removal/batch_text.h"

namespace {

std::string ModelDoubled(const std::string& text) {
    std::string doubled;
    for (char c : text) {
        doubled += c;
        if (c == '%') doubled += '%';
    }
    return doubled;
}

std::string ModelPiece(int index, const std::string& program, const std::string& folder,
                       const std::string& batch, bool nt, bool warning) {
    const std::string q = "\"";
    if (index == 0) return (nt ? q : "start /wait " + q) + program + q + " /wait\r\n";
    if (index < BatchPieceCount - 1)
        return "del " + q + program + q + "\r\nrd " + q + folder + q + "\r\nif not exist " + q +
               program + q + " goto done\r\n";
    if (!warning) return ":done\r\ndel " + q + batch + q;
    return ":done\r\nif exist " + q + program + q + " " + q + program + q + " /warning\r\ndel " +
           q + batch + q;
}

// A size near the fitting point of a text of length needed: from 0 up to a
// few bytes more than it takes.
std::size_t SizeNear(FuzzInput& input, std::size_t needed) {
    const int offset = static_cast<int>(input.Byte() % 8) - 4; // -4 .. 3 around needed + 1
    const long size = static_cast<long>(needed) + 1 + offset;
    return size < 0 ? 0 : static_cast<std::size_t>(size);
}

void CheckDoublePercent(FuzzInput& input, const std::string& text) {
    const std::string doubled = ModelDoubled(text);
    const std::size_t size = input.Flag() ? input.Byte() % 4 : SizeNear(input, doubled.size());
    ExactBuffer out(size);
    const bool fits = DoublePercent(text.c_str(), out.bytes, out.size);
    FUZZ_CHECK(fits == (doubled.size() < size));
    if (fits)
        FUZZ_CHECK(out.Holds(doubled));
    else if (size > 0)
        FUZZ_CHECK(out.bytes[0] == '\0');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const bool nt = input.Flag();
    const std::string program = input.Text();
    const std::string folder = input.Text();
    const std::string batch = input.Text();
    for (const std::string* text : {&program, &folder, &batch})
        CheckDoublePercent(input, *text);

    const BatchPaths paths = {program.c_str(), folder.c_str(), batch.c_str()};
    // With the "/warning" line (an interactive uninstall) and without it.
    for (bool warning : {true, false}) {
        for (int index = -1; index <= BatchPieceCount; ++index) {
            const bool exists = index >= 0 && index < BatchPieceCount;
            const std::string model =
                exists ? ModelPiece(index, program, folder, batch, nt, warning) : "";
            // An index outside the pieces gets room for any of them.
            ExactBuffer out(exists ? SizeNear(input, model.size()) : 4096);
            const int length = BatchPiece(index, paths, nt, warning, out.bytes, out.size);
            if (exists && model.size() < out.size) {
                FUZZ_CHECK(length == static_cast<int>(model.size()));
                FUZZ_CHECK(out.Holds(model));
            } else {
                FUZZ_CHECK(length == -1);
            }
        }
    }
    return 0;
}
