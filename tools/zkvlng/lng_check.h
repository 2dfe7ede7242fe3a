#pragma once
// The checks of a translation file, with the program's own reader as the
// judge: what it flags, uninstall.exe ignores, refuses, cuts or shows other
// than written.
#include <string>
#include <vector>
#include "tools/zkvlng/code_page.h"
#include "tools/zkvlng/source_texts.h"

struct Finding {
    int line;             // 0 when about the whole file
    std::string message;  // in the code page, like the file
    bool warning = false; // the program shows what was meant; the file is still better mended
};

struct CheckResult {
    std::vector<Finding> errors;                 // and warnings, by line
    std::vector<const SourceText*> untranslated; // only with the program's texts
    std::size_t Count(bool warnings) const;
};

// sources: the program's texts (ReadSourceTexts), or only SpecialEntries
// when no program is given (then keys, formats and lengths go unchecked).
CheckResult CheckTranslationFile(const char* path, const CodePage& codePage,
                                 const std::vector<SourceText>& sources, bool withProgram);
