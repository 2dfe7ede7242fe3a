#include "uninstall/setup/archive_types.h"
#include <cstring>
#include "uninstall/common/format.h"
#include "uninstall/setup/prog_ids.h"

const ArchiveGroup ArchiveGroups[ArchiveGroupCount] = {
    {".zkv", ZkvProgId},        {".zip", ZipProgId},
    {".cab", ZkvProgId},        {".arj", ZkvProgId},
    {".lzh.lha", ZkvProgId},    {".ace", ZkvProgId},
    {".tar", ZkvProgId},        {".gz.tgz", ZkvProgId},
    {".uue.xxe.uu", ZkvProgId}, {".bz2.tbz2.bz.tbz", ZkvProgId},
    {".jar", ZkvProgId},        {".iso", ZkvProgId},
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
