#include "uninstall/common/error_reporter.h"
#include <windows.h>

ErrorReporter Errors;

void ErrorReporter::OutOfMemory() {
    // "内存不足。" in code page 936. A system-modal box needs no memory of ours
    // and no owner window.
    if (!silent)
        MessageBoxA(nullptr, "\xC4\xDA\xB4\xE6\xB2\xBB\xD7\xE3\xA1\xA3", nullptr,
                    MB_OK | MB_ICONHAND | MB_SYSTEMMODAL | MB_SETFOREGROUND);
    ExitProcess(OutOfMemoryCode);
}
