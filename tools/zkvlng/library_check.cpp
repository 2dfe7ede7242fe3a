#include "tools/zkvlng/library_check.h"
#include "tools/zkvlng/pe_resources.h"
#include "tools/zkvlng/source_texts.h"
#include "uninstall/localisation/res_string_format.h"
#include <map>

namespace {

constexpr std::size_t StringLimit = 255; // what the program reads of a string

std::map<int, std::u16string> ById(const std::vector<StringResource>& strings) {
    std::map<int, std::u16string> byId;
    for (const StringResource& s : strings)
        byId[s.id] = s.text;
    return byId;
}

std::map<int, std::u16string> ControlsById(const DialogTexts& dialog) {
    std::map<int, std::u16string> byId;
    for (const DialogControl& c : dialog.controls) {
        if (c.id != -1) byId[c.id] = c.text; // static texts share the id -1
    }
    return byId;
}

} // namespace

bool CheckLibrary(const char* library, const char* program, const CodePage& codePage,
                  LibraryCheck* check, std::string* error) {
    PeResources own, lib;
    if (!own.Load(program, error)) {
        *error = std::string(program) + ": " + *error;
        return false;
    }
    if (!lib.Load(library, error)) {
        *error = std::string(library) + ": " + *error;
        return false;
    }
    const std::string cp = std::to_string(codePage.Number());
    std::vector<Finding> ids, texts;
    auto show = [&](const std::u16string& text, bool* spelled) {
        return "\"" + Escape(codePage.FromUtf16Lossy(text, spelled)) + "\"";
    };
    bool spelled;
    // A text of the library, as the program reads it on this code page.
    auto judge = [&](const std::string& where, const std::u16string& text) {
        const std::string shown = show(text, &spelled);
        if (!spelled)
            texts.push_back({0,
                             where + ": code page " + cp + " cannot spell " + shown +
                                 ": the program shows question marks",
                             false});
        return shown;
    };

    const std::map<int, std::u16string> ownStrings = ById(own.Strings());
    const std::map<int, std::u16string> libStrings = ById(lib.Strings());
    for (const auto& [id, text] : ownStrings) {
        const std::string where = "string " + std::to_string(id);
        const auto found = libStrings.find(id);
        if (found == libStrings.end()) {
            ids.push_back(
                {0, "missing " + where + ": the program shows its own text " + show(text, &spelled),
                 false});
            check->listing.push_back(where + ": " + show(text, &spelled) + " => (missing)");
            continue;
        }
        const std::string shown = judge(where, found->second);
        std::string bytes = codePage.FromUtf16Lossy(found->second, &spelled);
        if (bytes.size() > StringLimit)
            texts.push_back({0,
                             where + " is " + std::to_string(bytes.size()) +
                                 " bytes long: the program reads 255 of them",
                             false});
        if (IsFormatString(id) && !IsSingleTextFormat(bytes.c_str()))
            texts.push_back({0,
                             where + " must hold exactly one %s and no other % conversion "
                                     "(%% for a percent sign): the program refuses it and "
                                     "shows its own text",
                             false});
        check->listing.push_back(where + ": " + show(text, &spelled) + " => " + shown);
    }
    for (const auto& [id, text] : libStrings) {
        if (!ownStrings.count(id))
            ids.push_back({0,
                           "extra string " + std::to_string(id) + " " + show(text, &spelled) +
                               ": the program never asks for it",
                           true});
    }

    for (const char* name : DialogNames) {
        DialogTexts ownDialog, libDialog;
        if (!own.Dialog(name, &ownDialog)) {
            *error = std::string(program) + ": no dialog " + name;
            return false;
        }
        if (!lib.Dialog(name, &libDialog)) {
            ids.push_back(
                {0, std::string("missing dialog ") + name + ": the program cannot open it", false});
            continue;
        }
        check->listing.push_back(std::string(name) + " title: " + show(ownDialog.title, &spelled) +
                                 " => " + judge(std::string(name) + " title", libDialog.title));
        const std::map<int, std::u16string> ownControls = ControlsById(ownDialog);
        const std::map<int, std::u16string> libControls = ControlsById(libDialog);
        for (const auto& [id, text] : ownControls) {
            if (!libControls.count(id))
                ids.push_back({0,
                               std::string("missing control ") + std::to_string(id) + " in " +
                                   name + " (" + show(text, &spelled) + "): the program uses it",
                               false});
        }
        for (const auto& [id, text] : libControls) {
            if (!ownControls.count(id))
                ids.push_back({0,
                               std::string("extra control ") + std::to_string(id) + " in " + name +
                                   ": the program does not know it",
                               true});
        }
        for (std::size_t i = 0; i < libDialog.controls.size(); ++i) {
            const DialogControl& c = libDialog.controls[i];
            if (c.text.empty()) continue;
            const std::string where = std::string(name) + " control " + std::to_string(i + 1) +
                                      (c.id == -1 ? "" : " (id " + std::to_string(c.id) + ")");
            const auto mine = ownControls.find(c.id);
            const std::string before =
                c.id != -1 && mine != ownControls.end() ? show(mine->second, &spelled) : "";
            check->listing.push_back(where + ": " + (before.empty() ? "" : before + " => ") +
                                     judge(where, c.text));
        }
    }
    check->findings = ids;
    check->findings.insert(check->findings.end(), texts.begin(), texts.end());
    return true;
}
