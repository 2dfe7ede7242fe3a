#include "uninstall/localisation/language_resources.h"
#include "uninstall/localisation/ext_resource.h"

void LanguageResources::Load(const char* name) {
    ReadTable(name);
    DetectDirection(FindResourceA(ResourceModule, "RTL", RT_DIALOG) != nullptr);
}
