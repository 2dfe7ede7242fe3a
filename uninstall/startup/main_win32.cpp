// Entry point: prepares what every mode needs, runs one mode, tears down.
// Every path that returns ends with exit code 0, but for a silent uninstall
// that stopped and a silent run that refused its folder, which report why in
// their exit codes.
#include <windows.h>
#include <ole2.h>
#include "uninstall/localisation/ext_resource.h"
#include "uninstall/localisation/language_resources.h"
#include "uninstall/res/resource_ids.h"
#include "uninstall/state/program_state.h"
#include "uninstall/startup/run_mode.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    LanguagePack.Load(instance);
    Translations.Load("uninstall.lng");
    OleInitialize(nullptr);
    HMODULE richEdit = LoadLibraryA("riched32.dll"); // registers the "RICHEDIT" class
    AppIcon = LoadIconA(ResourceModule, RESOURCE_ID_TEXT(IDI_ZELKOVA));
    BoldFont =
        CreateFontA(-12, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                    "\xcb\xce\xcc\xe5"); // 宋体 in code page 936

    int exitCode = RunMode(ParseCommandLine(CommandLineTail(GetCommandLineA())));

    if (richEdit) FreeLibrary(richEdit);
    OleUninitialize();
    DeleteObject(BoldFont);
    return exitCode;
}
