#pragma once
// A complete translation file whose every translation is its source text:
// loaded by the program unchanged, it changes nothing on screen.
#include <string>
#include <vector>
#include "tools/zkvlng/source_texts.h"

std::string TranslationTemplate(const std::vector<SourceText>& texts, unsigned codePage,
                                const char* program, const char* library);
