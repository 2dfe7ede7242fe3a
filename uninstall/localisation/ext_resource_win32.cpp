// The optional language library "zkvlng.dll" next to the program: while it
// is loaded, dialogs, the window icon and strings come from it.
#include "uninstall/localisation/ext_resource.h"
#include "uninstall/common/program_path.h"
#include "uninstall/common/system_calls.h"

HINSTANCE ProgramModule = nullptr;
HINSTANCE ResourceModule = nullptr;
ExtResource LanguagePack;

namespace {
// No critical-error and no bad-image box: a damaged or unreadable library
// simply fails to load, and the program uses its own resources.
constexpr UINT QuietLoad = SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX;

HINSTANCE LoadQuietly(const char* path) {
    const UINT previous = SetErrorMode(QuietLoad);
    SetErrorMode(previous | QuietLoad);
    HINSTANCE library = System.loadLibrary(path);
    SetErrorMode(previous);
    return library;
}
} // namespace

void ExtResource::Load(HINSTANCE instance) {
    Unload();
    char path[PathSize];
    HINSTANCE library = nullptr;
    if (ProgramFilePath("zkvlng.dll", path, sizeof path)) library = LoadQuietly(path);
    ProgramModule = instance;
    ResourceModule = library ? library : instance;
    loaded = library != nullptr;
}

void ExtResource::Unload() {
    if (!loaded) return;
    FreeLibrary(ResourceModule);
    ResourceModule = ProgramModule;
    loaded = false;
}
