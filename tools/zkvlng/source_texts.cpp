#include "tools/zkvlng/source_texts.h"
#include "tools/zkvlng/pe_resources.h"
#include "uninstall/common/text.h"
#include "uninstall/localisation/translation_key.h"
#include "uninstall/res/resource_ids.h"

const char* const DialogNames[3] = {"SETUPDLG", "DONEDLG", "CONTEXTITEMS"};

namespace {

// The buffers the program reads and translates its texts in.
constexpr int StringBuffer = 256;  // ResString
constexpr int DialogBuffer = 1024; // dialog titles and control texts
constexpr int ScaleBuffer = 512;   // a dialog's scale entry
constexpr int DirectionBuffer = 1024;

SourceText Make(SourceText::Use use, char kind, const std::string& section, const std::string& text,
                int bufferSize, int stringId, const std::string& where) {
    char key[TranslationKeySize];
    TranslationKey(key, kind, section.empty() ? nullptr : section.c_str(), text.c_str());
    return {use, kind, section, text, key, bufferSize, stringId, where, true, {}};
}

// The text as the program reads it into its buffer on a system with this
// code page: characters it cannot spell become '?', cut to fit, never within
// a two-byte character.
std::string Convert(const std::u16string& text, const CodePage& codePage, int bufferSize,
                    bool* spelled) {
    std::string out = codePage.FromUtf16Lossy(text, spelled);
    out.resize(CutLength(out.data(), out.size(), bufferSize - 1, codePage.Lead()));
    return out;
}

// Adds text, or names it with the text already there that has its key.
void Add(std::vector<SourceText>* texts, SourceText text) {
    for (SourceText& t : *texts) {
        if (t.key != text.key) continue;
        t.alsoWhere.push_back(text.where);
        return;
    }
    texts->push_back(text);
}

} // namespace

bool IsFormatString(int id) {
    for (int format : FormatStringIds)
        if (id == format) return true;
    return false;
}

std::vector<SourceText> SpecialEntries() {
    std::vector<SourceText> texts;
    for (const char* name : DialogNames)
        texts.push_back(
            Make(SourceText::Scale, '$', name, "", ScaleBuffer, 0, std::string(name) + " scale"));
    texts.push_back(
        Make(SourceText::Direction, '$', "LTR", "LTR", DirectionBuffer, 0, "direction"));
    return texts;
}

bool ReadSourceTexts(const char* program, const char* library, const CodePage& codePage,
                     std::vector<SourceText>* texts, std::string* error) {
    PeResources own, lib;
    if (!own.Load(program, error)) {
        *error = std::string(program) + ": " + *error;
        return false;
    }
    if (library && !lib.Load(library, error)) {
        *error = std::string(library) + ": " + *error;
        return false;
    }
    *texts = SpecialEntries();
    // With a translation file loaded the program always translates its own
    // strings, whatever the library holds.
    for (const StringResource& s : own.Strings()) {
        bool spelled;
        const std::string text = Convert(s.text, codePage, StringBuffer, &spelled);
        SourceText source = Make(SourceText::String, 's', "", text, StringBuffer, s.id,
                                 "string " + std::to_string(s.id));
        source.spelled = spelled;
        Add(texts, source);
    }
    const PeResources& dialogs = library ? lib : own;
    for (const char* name : DialogNames) {
        DialogTexts dialog;
        if (!dialogs.Dialog(name, &dialog)) {
            *error = std::string(library ? library : program) + ": no dialog " + name;
            return false;
        }
        std::vector<std::pair<std::u16string, std::string>> items;
        items.push_back({dialog.title, std::string(name) + " title"});
        for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
            // A control without text is left alone by the program.
            if (!dialog.controls[i].text.empty())
                items.push_back({dialog.controls[i].text,
                                 std::string(name) + " control " + std::to_string(i + 1)});
        }
        for (const auto& item : items) {
            bool spelled;
            const std::string text = Convert(item.first, codePage, DialogBuffer, &spelled);
            SourceText source =
                Make(SourceText::DialogText, '$', name, text, DialogBuffer, 0, item.second);
            source.spelled = spelled;
            Add(texts, source);
        }
    }
    return true;
}

std::string Escape(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string AllWhere(const SourceText& text) {
    std::string all = text.where;
    for (std::size_t i = 0; i < text.alsoWhere.size(); ++i)
        all += (i + 1 == text.alsoWhere.size() ? " and " : ", ") + text.alsoWhere[i];
    return all;
}
