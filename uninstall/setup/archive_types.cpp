#include "uninstall/setup/archive_types.h"
#include <cstring>
#include "uninstall/common/format.h"

const ArchiveGroup ArchiveGroups[ArchiveGroupCount] = {
    {".zkv", "Zelkova"},  {".zip", "Zelkova.ZIP"},           {".cab", "Zelkova"},
    {".arj", "Zelkova"},  {".lzh.lha", "Zelkova"},           {".ace", "Zelkova"},
    {".tar", "Zelkova"},  {".gz.tgz", "Zelkova"},            {".uue.xxe.uu", "Zelkova"},
    {".bz2.tbz2.bz.tbz", "Zelkova"}, {".jar", "Zelkova"},    {".iso", "Zelkova"},
};

bool NextExtension(const char** cursor, char* ext, std::size_t size) {
    const char* start = *cursor;
    if (*start == '\0') return false;
    const char* end = std::strchr(start + 1, '.');
    std::size_t length = end ? static_cast<std::size_t>(end - start) : std::strlen(start);
    *cursor = start + length;
    if (length >= size) {
        ext[0] = '\0';
        return false;
    }
    std::memcpy(ext, start, length);
    ext[length] = '\0';
    return true;
}

bool SetupKeyFor(const char* extension, char* key, std::size_t size) {
    return FormatWhole(key, size, "Setup\\%s", extension);
}
