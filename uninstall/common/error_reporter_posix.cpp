#include "uninstall/common/error_reporter.h"
#include <cstdio>
#include <cstdlib>

ErrorReporter Errors;

void ErrorReporter::OutOfMemory() {
    std::fputs("out of memory\n", stderr);
    std::_Exit(OutOfMemoryCode);
}
