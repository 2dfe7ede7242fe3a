// The optional language library "zkvlng.dll" next to the program: while it
// is loaded, dialogs, the window icon and strings come from it.
#include "uninstall/localisation/ext_resource.h"
#include "uninstall/common/paths.h"
#include "uninstall/common/program_path.h"
#include "uninstall/common/text.h"

HINSTANCE ProgramModule = nullptr;
HINSTANCE ResourceModule = nullptr;
ExtResource LanguagePack;

void ExtResource::Load(HINSTANCE instance) {
    Unload();
    char path[1024];
    HINSTANCE library = nullptr;
    if (GetProgramPath(path, sizeof path)) {
        char* name = NamePart(path);
        if (CopyWhole(name, sizeof path - (name - path), "zkvlng.dll"))
            library = LoadLibraryA(path);
    }
    ProgramModule = instance;
    ResourceModule = library ? library : instance;
    loaded = library != nullptr;
}

void ExtResource::Unload() {
    if (!loaded)
        return;
    FreeLibrary(ResourceModule);
    ResourceModule = ProgramModule;
    loaded = false;
}
