#pragma once
// A complete translation file whose every translation is its source text:
// loaded by the program unchanged, it changes nothing on screen.
#include <string>
#include <vector>
#include "tools/zkvlng/source_texts.h"

// Texts the code page cannot spell are left out, named in one comment.
std::string TranslationTemplate(const std::vector<SourceText>& texts, unsigned codePage,
                                const char* program, const char* library);

// How many of the texts the code page cannot spell (each text that shares a
// key counted).
std::size_t UnspelledCount(const std::vector<SourceText>& texts);
