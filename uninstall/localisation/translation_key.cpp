#include "uninstall/localisation/translation_key.h"
#include "uninstall/common/format.h"
#include "uninstall/localisation/crc32.h"
#include <cstdint>
#include <cstring>

void TranslationKey(char (&key)[TranslationKeySize], char kind, const char* section,
                    const char* source) {
    std::uint32_t v = Crc32Update(0xFFFFFFFFu, &kind, 1);
    if (section) v = Crc32Update(v, section, std::strlen(section));
    v = Crc32Update(v, source, std::strlen(source));
    FormatWhole(key, sizeof key, "%08x", static_cast<unsigned>(~v));
}
