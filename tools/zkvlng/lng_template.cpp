#include "tools/zkvlng/lng_template.h"
#include <iterator>
#include "uninstall/res/resource_ids.h"

namespace {

const char Header[] =
    "; uninstall.lng - translation file for uninstall.exe\r\n"
    ";\r\n"
    "; Put it next to uninstall.exe; the program reads it once at start, as bytes in\r\n"
    "; the ANSI code page of the system (this file: code page @CP@). Keep it in that\r\n"
    "; code page: not UTF-8, no signature.\r\n"
    ";\r\n"
    "; Everything before the marker line (three asterisks, messages, three\r\n"
    "; asterisks) is ignored, and at most 64 KB from the marker on are read.\r\n"
    "; After it each entry is one line,\r\n"
    ";\r\n"
    ";     kkkkkkkk=\"translation\"\r\n"
    ";\r\n"
    "; where kkkkkkkk is the key of the source text named in the comment above it.\r\n"
    "; Change only the text between the quotes. Escapes: \\\" \\\\ \\n \\r \\t.\r\n"
    "; Lines starting with ; are comments. An entry can be deleted: its text then\r\n"
    "; stays as it is. Keys are computed from the source texts, so a changed source\r\n"
    "; text needs a new template (zkvlng template) and zkvlng check tells which.\r\n"
    "; Strings @FORMATS@ must keep exactly one %s (write %% for a percent sign).\r\n"
    ";\r\n"
    "; A dialog's scale entry enlarges it: width*height in percent, 1 to 1000.\r\n"
    "; The direction entry, when not commented out, lays all dialogs out right to\r\n"
    "; left.\r\n"
    ";\r\n";

std::string Replace(std::string text, const std::string& what, const std::string& with) {
    for (std::size_t at; (at = text.find(what)) != std::string::npos;)
        text.replace(at, what.size(), with);
    return text;
}

// The one comment on the texts that the code page cannot spell: they are
// left out, since on such a system the program reads them with question
// marks and several may share one key.
std::string LeftOut(const std::vector<SourceText>& texts, unsigned codePage) {
    const std::size_t count = UnspelledCount(texts);
    if (count == 0) return "";
    std::string out = "\r\n; Code page " + std::to_string(codePage) + " cannot spell " +
                      std::to_string(count) +
                      " of the program's texts. On a system with this code page\r\n"
                      "; the program reads them with question marks, texts that differ only\r\n"
                      "; there share one key, and a translation file cannot translate them:\r\n"
                      "; they are left out here. A language in this code page needs a\r\n"
                      "; language library (zkvlng.dll) for them; see README.md. Left out:\r\n";
    for (const SourceText& t : texts) {
        if (t.spelled) continue;
        out += ";   " + AllWhere(t) + ": " + Escape(t.text);
        if (!t.alsoWhere.empty()) out += " (one key, " + t.key + ")";
        out += "\r\n";
    }
    return out;
}

} // namespace

std::string TranslationTemplate(const std::vector<SourceText>& texts, unsigned codePage,
                                const char* program, const char* library) {
    std::string out = Replace(Header, "@CP@", std::to_string(codePage));
    std::string formats; // "5106, 5108 and 5113"
    const std::size_t count = std::size(FormatStringIds);
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) formats += i + 1 == count ? " and " : ", ";
        formats += std::to_string(FormatStringIds[i]);
    }
    out = Replace(out, "@FORMATS@", formats);
    out += std::string("; Made from ") + program;
    if (library) out += std::string(", with the dialogs of ") + library;
    out += ".\r\n";
    out += LeftOut(texts, codePage);
    out += "\r\n***messages***\r\n";
    for (const SourceText& t : texts) {
        if (!t.spelled) continue;
        out += "\r\n";
        switch (t.use) {
        case SourceText::Scale:
            out += "; scale of " + t.section + ", width*height in percent\r\n";
            out += t.key + "=\"100*100\"\r\n";
            break;
        case SourceText::Direction:
            out += "; direction: remove the ; for right-to-left dialogs\r\n";
            out += ";" + t.key + "=\"RTL\"\r\n";
            break;
        default:
            out += std::string("; ") + t.kind + " " + AllWhere(t) + ": " + Escape(t.text) + "\r\n";
            if (!t.alsoWhere.empty())
                out += "; (these texts read the same: one key serves them all)\r\n";
            out += t.key + "=\"" + Escape(t.text) + "\"\r\n";
        }
    }
    return out;
}

std::size_t UnspelledCount(const std::vector<SourceText>& texts) {
    std::size_t count = 0;
    for (const SourceText& t : texts)
        count += t.spelled ? 0 : 1 + t.alsoWhere.size();
    return count;
}
