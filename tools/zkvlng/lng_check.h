#pragma once
// The checks of a translation file, with the program's own reader as the
// judge: what it flags, uninstall.exe ignores, refuses or cuts.
#include <string>
#include <vector>
#include "tools/zkvlng/code_page.h"
#include "tools/zkvlng/source_texts.h"

struct Finding {
    int line; // 0 when about the whole file
    std::string message;
};

struct CheckResult {
    std::vector<Finding> errors;
    std::vector<const SourceText*> untranslated; // only with the program's texts
};

// sources: the program's texts (ReadSourceTexts), or only SpecialEntries
// when no program is given (then keys, formats and lengths go unchecked).
CheckResult CheckTranslationFile(const char* path, const CodePage& codePage,
                                 const std::vector<SourceText>& sources, bool withProgram);
