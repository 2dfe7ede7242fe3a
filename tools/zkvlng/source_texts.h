#pragma once
// The source texts that uninstall.exe translates, as it reads them from its
// resources, each with its key: the string table of the program, and the
// titles and control texts of its dialogs (of the language library when one
// is given, since the program then creates its dialogs from the library).
#include <string>
#include <vector>
#include "tools/zkvlng/code_page.h"
#include "uninstall/res/resource_ids.h"

struct SourceText {
    enum Use { String, DialogText, Scale, Direction };
    Use use;
    char kind;           // 's' or '$'
    std::string section; // dialog name; empty for strings
    std::string text;    // in the code page, cut as the program's buffer cuts it
    std::string key;
    int bufferSize;    // of the buffer the program translates the text into
    int stringId;      // string-table id; 0 for the others
    std::string where; // "string <id>", "SETUPDLG title", ...
    // False when the code page cannot spell the text: the program then reads
    // it with question marks, and a translation file cannot translate it
    // reliably.
    bool spelled = true;
    // Other texts that read the same and so share the key (a text that
    // occurs twice in a dialog, or texts that differ only in characters the
    // code page cannot spell).
    std::vector<std::string> alsoWhere;
};

extern const char* const DialogNames[3];
// The strings the program formats with one text argument (FormatResString):
// a translation with any conversion but one %s is refused there.
constexpr int FormatStringIds[] = {IDS_DELETE_BY_HAND, IDS_NO_LIST_FILE, IDS_DELETE_AT_RESTART};
bool IsFormatString(int id);

// The scale entries of the dialogs and the direction entry: they need no
// program to be known.
std::vector<SourceText> SpecialEntries();

// SpecialEntries, then every text of the program's string table and of the
// three dialogs, as the program reads them on a system with this code page.
// False with a reason when a file cannot be read.
bool ReadSourceTexts(const char* program, const char* library, const CodePage& codePage,
                     std::vector<SourceText>* texts, std::string* error);

// Text with the escapes of the translation file, byte by byte as the
// program reads them back.
std::string Escape(const std::string& text);

// "string 5102 and string 5109": where the text is, with the texts that share
// its key.
std::string AllWhere(const SourceText& text);
