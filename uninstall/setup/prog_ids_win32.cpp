#include "uninstall/setup/prog_ids.h"
#include "uninstall/common/compare.h"

bool IsArchiveProgId(const char* progId) {
    return CompareNoCase(progId, ZkvProgId) == 0 || CompareNoCase(progId, ZipProgId) == 0;
}
