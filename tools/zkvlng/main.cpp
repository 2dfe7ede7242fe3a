// zkvlng: the translators' tool for uninstall.lng.
//   zkvlng template PROGRAM.exe [LIBRARY.dll] > uninstall.lng
//   zkvlng check FILE.lng [PROGRAM.exe [LIBRARY.dll]]
//   zkvlng key [--dialog NAME] TEXT
// each with --codepage N for an ANSI code page other than 936.
#include "tools/zkvlng/code_page.h"
#include "tools/zkvlng/lng_check.h"
#include "tools/zkvlng/lng_template.h"
#include "tools/zkvlng/source_texts.h"
#include "uninstall/localisation/translation_key.h"
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr unsigned DefaultCodePage = 936;

int Usage() {
    std::fputs("usage: zkvlng template PROGRAM.exe [LIBRARY.dll] [--codepage N] > uninstall.lng\n"
               "       zkvlng check FILE.lng [PROGRAM.exe [LIBRARY.dll]] [--codepage N]\n"
               "       zkvlng key [--dialog NAME] TEXT [--codepage N]\n"
               "Texts are in the ANSI code page N (936 when not given); TEXT is UTF-8.\n",
               stderr);
    return 2;
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "zkvlng: %s\n", message.c_str());
    return 2;
}

int Template(const std::vector<const char*>& args, const CodePage& codePage) {
    if (args.empty() || args.size() > 2) return Usage();
    const char* library = args.size() > 1 ? args[1] : nullptr;
    std::vector<SourceText> texts;
    std::string error;
    if (!ReadSourceTexts(args[0], library, codePage, &texts, &error)) return Fail(error);
    const std::string out = TranslationTemplate(texts, codePage.Number(), args[0], library);
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : Fail("cannot write the template");
}

int Check(const std::vector<const char*>& args, const CodePage& codePage) {
    if (args.empty() || args.size() > 3) return Usage();
    const bool withProgram = args.size() > 1;
    std::vector<SourceText> sources = SpecialEntries();
    std::string error;
    if (withProgram &&
        !ReadSourceTexts(args[1], args.size() > 2 ? args[2] : nullptr, codePage, &sources, &error))
        return Fail(error);
    const CheckResult result = CheckTranslationFile(args[0], codePage, sources, withProgram);
    for (const Finding& f : result.errors) {
        if (f.line > 0)
            std::printf("%s:%d: error: %s\n", args[0], f.line, f.message.c_str());
        else
            std::printf("%s: error: %s\n", args[0], f.message.c_str());
    }
    if (!result.untranslated.empty()) {
        std::printf("%s: %zu source texts have no entry and stay as they are:\n", args[0],
                    result.untranslated.size());
        for (const SourceText* s : result.untranslated)
            std::printf("  %s %s: %s\n", s->key.c_str(), s->where.c_str(), Escape(s->text).c_str());
    }
    if (!withProgram)
        std::printf("%s: note: give the program (and the language library) to check keys, "
                    "formats and lengths\n",
                    args[0]);
    std::printf("%s: %zu error(s)\n", args[0], result.errors.size());
    return result.errors.empty() ? 0 : 1;
}

int Key(const std::vector<const char*>& args, const CodePage& codePage) {
    const char* dialog = nullptr;
    std::size_t i = 0;
    if (args.size() >= 2 && std::strcmp(args[0], "--dialog") == 0) {
        dialog = args[1];
        i = 2;
    }
    if (args.size() != i + 1) return Usage();
    std::string text;
    if (!codePage.FromUtf8(args[i], &text))
        return Fail("the text is not UTF-8 or has characters that code page " +
                    std::to_string(codePage.Number()) + " cannot hold");
    char key[TranslationKeySize];
    TranslationKey(key, dialog ? '$' : 's', dialog, text.c_str());
    std::printf("%s\n", key);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<const char*> args(argv + 1, argv + argc);
    // --codepage N may stand anywhere.
    unsigned number = DefaultCodePage;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (std::strcmp(args[i], "--codepage") != 0) continue;
        char* end = nullptr;
        number =
            i + 1 < args.size() ? static_cast<unsigned>(std::strtoul(args[i + 1], &end, 10)) : 0;
        if (number == 0 || *end != '\0') return Usage();
        args.erase(args.begin() + i, args.begin() + i + 2);
        break;
    }
    if (args.empty()) return Usage();
    const CodePage codePage(number);
    if (!codePage.Known())
        return Fail("code page " + std::to_string(number) + " is unknown to this system");
    const std::string command = args[0];
    args.erase(args.begin());
    if (command == "template") return Template(args, codePage);
    if (command == "check") return Check(args, codePage);
    if (command == "key") return Key(args, codePage);
    return Usage();
}
