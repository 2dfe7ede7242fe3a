// The bounded text and path routines: copy, cut, format, name part, last
// character, trailing-blank trim and appended backslash, with the single-byte
// and the code-page-936 table, against a plain model built on the character
// starts of the text.
#include "fuzz/fuzz_input.h"
#include "uninstall/common/format.h"
#include "uninstall/common/paths.h"
#include "uninstall/common/text.h"

#include <memory>

namespace {

bool IsBlank(char c) {
    return c == '\r' || c == '\n' || c == ' ' || c == '\t';
}

// The longest start of text that ends on a character boundary within limit.
std::size_t ModelCut(const std::vector<bool>& starts, std::size_t length, std::size_t limit) {
    std::size_t cut = limit < length ? limit : length;
    while (!starts[cut])
        --cut;
    return cut;
}

void CheckCopies(const std::string& text, const std::string& second, std::size_t limit,
                 const std::vector<bool>& starts, const LeadByteTable& lead) {
    {
        ExactBuffer out(limit);
        const bool fits = CopyWhole(out.bytes, out.size, text.c_str());
        FUZZ_CHECK(fits == (text.size() < limit));
        if (fits)
            FUZZ_CHECK(out.Holds(text));
        else if (limit > 0)
            FUZZ_CHECK(out.bytes[0] == '\0');
    }
    {
        const std::size_t size = limit > 0 ? limit : 1;
        ExactBuffer out(size);
        CopyCut(out.bytes, out.size, text.c_str(), lead);
        FUZZ_CHECK(out.Holds(text.substr(0, ModelCut(starts, text.size(), size - 1))));
        FUZZ_CHECK(CutLength(text.c_str(), text.size(), limit, lead) ==
                   ModelCut(starts, text.size(), limit));
    }
    {
        ExactBuffer out(limit);
        const bool fits = FormatWhole(out.bytes, out.size, "%s%s", text.c_str(), second.c_str());
        FUZZ_CHECK(fits == (text.size() + second.size() < limit));
        if (fits)
            FUZZ_CHECK(out.Holds(text + second));
        else if (limit > 0)
            FUZZ_CHECK(out.bytes[0] == '\0');
    }
}

void CheckPaths(const std::string& text, const std::vector<bool>& starts,
                const LeadByteTable& lead) {
    std::size_t lastStart = 0;
    std::size_t afterSeparator = std::string::npos;
    std::size_t keptEnd = 0; // behind the last character that is no blank
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!starts[i]) continue;
        lastStart = i;
        std::size_t next = i + 1;
        while (!starts[next])
            ++next;
        if (next == i + 1 && (text[i] == '\\' || text[i] == '/')) afterSeparator = i + 1;
        if (next > i + 1 || !IsBlank(text[i])) keptEnd = next;
        if (lead.multiByte) FUZZ_CHECK(NextChar(text.c_str() + i, lead) == text.c_str() + next);
    }
    std::size_t name = afterSeparator;
    if (name == std::string::npos) {
        const bool drive =
            text.size() >= 2 && !lead.isLead[static_cast<unsigned char>(text[0])] && text[1] == ':';
        name = drive ? 2 : 0;
    }

    std::unique_ptr<ExactBuffer> copy(ExactCopy(text));
    FUZZ_CHECK(NamePart(copy->bytes, lead) == copy->bytes + name);
    FUZZ_CHECK(LastCharPtr(copy->bytes, lead) == copy->bytes + lastStart);

    char* trimmed = TrimRight(copy->bytes, lead);
    FUZZ_CHECK(trimmed == copy->bytes);
    FUZZ_CHECK(copy->Holds(text.substr(0, keptEnd)));
    for (std::size_t i = keptEnd; i < text.size(); ++i)
        FUZZ_CHECK(copy->bytes[i] == '\0');

    // One spare byte, exactly: a backslash is added behind anything but a
    // backslash that is a character of its own.
    ExactBuffer path(text.size() + 2);
    std::memcpy(path.bytes, text.c_str(), text.size() + 1);
    AppendBackslash(path.bytes, lead);
    const bool endsInBackslash =
        !text.empty() && text[lastStart] == '\\' && lastStart + 1 == text.size();
    FUZZ_CHECK(path.Holds(text.empty() || endsInBackslash ? text : text + "\\"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const LeadByteTable& lead = input.Table();
    const std::size_t limit = input.Number(300);
    const std::string text = input.Text();
    const std::string second = input.Text();
    const std::vector<bool> starts = CharacterStarts(text, lead);
    CheckCopies(text, second, limit, starts, lead);
    CheckPaths(text, starts, lead);
    return 0;
}
