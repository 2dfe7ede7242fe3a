// zkvlng: the translators' tool for uninstall.lng and zkvlng.dll.
//   zkvlng template PROGRAM.exe [LIBRARY.dll] > uninstall.lng
//   zkvlng check FILE.lng [PROGRAM.exe [LIBRARY.dll]]
//   zkvlng library LIBRARY.dll PROGRAM.exe
//   zkvlng key [--dialog NAME] TEXT
// each with --codepage N for an ANSI code page other than 936.
#include "tools/zkvlng/code_page.h"
#include "tools/zkvlng/library_check.h"
#include "tools/zkvlng/lng_check.h"
#include "tools/zkvlng/lng_template.h"
#include "tools/zkvlng/source_texts.h"
#include "uninstall/localisation/translation_key.h"
#include <clocale>
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
               "       zkvlng library LIBRARY.dll PROGRAM.exe [--codepage N]\n"
               "       zkvlng key [--dialog NAME] TEXT [--codepage N]\n"
               "Texts are in the ANSI code page N (936 when not given); TEXT and what this\n"
               "tool prints are in the terminal's encoding.\n",
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
    if (const std::size_t count = UnspelledCount(texts))
        std::fprintf(stderr,
                     "zkvlng: warning: code page %u cannot spell %zu of the program's texts; "
                     "they are left out of the template (its comment names them): a language "
                     "in this code page needs a language library for them\n",
                     codePage.Number(), count);
    return std::fflush(stdout) == 0 ? 0 : Fail("cannot write the template");
}

void Print(const char* file, const Finding& f, const CodePage& codePage) {
    const char* kind = f.warning ? "warning" : "error";
    const std::string message = codePage.ToTerminal(f.message);
    if (f.line > 0)
        std::printf("%s:%d: %s: %s\n", file, f.line, kind, message.c_str());
    else
        std::printf("%s: %s: %s\n", file, kind, message.c_str());
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
    for (const Finding& f : result.errors)
        Print(args[0], f, codePage);
    if (!result.untranslated.empty()) {
        std::printf("%s: %zu source texts have no entry and stay as they are:\n", args[0],
                    result.untranslated.size());
        for (const SourceText* s : result.untranslated)
            std::printf("  %s %s: %s\n", s->key.c_str(), AllWhere(*s).c_str(),
                        codePage.ToTerminal(Escape(s->text)).c_str());
    }
    if (const std::size_t count = UnspelledCount(sources))
        std::printf("%s: note: code page %u cannot spell %zu of the program's texts; a language "
                    "library translates them\n",
                    args[0], codePage.Number(), count);
    if (!withProgram)
        std::printf("%s: note: give the program (and the language library) to check keys, "
                    "formats and lengths\n",
                    args[0]);
    std::printf("%s: %zu error(s), %zu warning(s)\n", args[0], result.Count(false),
                result.Count(true));
    return result.Count(false) == 0 ? 0 : 1;
}

int Library(const std::vector<const char*>& args, const CodePage& codePage) {
    if (args.size() != 2) return Usage();
    LibraryCheck check;
    std::string error;
    if (!CheckLibrary(args[0], args[1], codePage, &check, &error)) return Fail(error);
    std::size_t errors = 0;
    for (const Finding& f : check.findings) {
        Print(args[0], f, codePage);
        errors += f.warning ? 0 : 1;
    }
    for (const std::string& line : check.listing)
        std::printf("  %s\n", codePage.ToTerminal(line).c_str());
    std::printf("%s: %zu error(s), %zu warning(s)\n", args[0], errors,
                check.findings.size() - errors);
    return errors == 0 ? 0 : 1;
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
    if (!codePage.FromTerminal(args[i], &text))
        return Fail("the text has characters that code page " + std::to_string(codePage.Number()) +
                    " cannot hold");
    char key[TranslationKeySize];
    TranslationKey(key, dialog ? '$' : 's', dialog, text.c_str());
    std::printf("%s\n", key);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_CTYPE, ""); // the terminal's encoding
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
    if (command == "library") return Library(args, codePage);
    if (command == "key") return Key(args, codePage);
    return Usage();
}
