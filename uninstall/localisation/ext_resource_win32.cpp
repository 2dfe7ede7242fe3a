// The optional language library "zkvlng.dll" next to the program: while it
// is loaded, dialogs, the window icon and strings come from it.
#include "uninstall/localisation/ext_resource.h"
#include "uninstall/common/program_path.h"

HINSTANCE ProgramModule = nullptr;
HINSTANCE ResourceModule = nullptr;
ExtResource LanguagePack;

void ExtResource::Load(HINSTANCE instance) {
    Unload();
    char path[PathSize];
    HINSTANCE library = nullptr;
    if (ProgramFilePath("zkvlng.dll", path, sizeof path)) library = LoadLibraryA(path);
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
