// String-table texts: the translation file translates the program's own
// strings; without it the language library's strings win, with the
// program's own as fall-back per identifier.
#include "uninstall/localisation/res_string.h"
#include "uninstall/common/format.h"
#include "uninstall/common/text.h"
#include "uninstall/localisation/ext_resource.h"
#include "uninstall/localisation/language_resources.h"
#include "uninstall/localisation/res_string_format.h"

namespace {
constexpr int RingSize = 8;
constexpr int TextSize = 256;
char ring[RingSize][TextSize];
int ringIndex = 0;
} // namespace

const char* ResString(int id) {
    ringIndex = (ringIndex + 1) % RingSize;
    char* text = ring[ringIndex];
    text[0] = '\0';
    if (Translations.IsLoaded() || !LoadStringA(ResourceModule, id, text, TextSize))
        LoadStringA(ProgramModule, id, text, TextSize);
    Translations.Translate(text, TextSize, text, nullptr, LanguageResources::String);
    return text;
}

void ResFormat(int id, char* format, std::size_t size) {
    const char* text = ResString(id);
    if (IsSingleTextFormat(text)) {
        CopyCut(format, size, text);
        return;
    }
    char own[TextSize];
    if (!LoadStringA(ProgramModule, id, own, sizeof own) || !IsSingleTextFormat(own))
        CopyWhole(own, sizeof own, "%s");
    CopyCut(format, size, own);
}

void FormatText(const char* format, const char* argument, char* buffer, std::size_t size) {
    // A path of 1,024 bytes and a string of 255 always fit; the cut to the
    // caller's buffer never splits a character.
    char whole[TextSize + 1024 + 1];
    FormatWhole(whole, sizeof whole, format, argument);
    CopyCut(buffer, size, whole);
}

void FormatResString(int id, const char* argument, char* buffer, std::size_t size) {
    char format[TextSize];
    ResFormat(id, format, sizeof format);
    FormatText(format, argument, buffer, size);
}
