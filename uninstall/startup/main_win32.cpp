// Entry point: prepares what every mode needs, runs one mode, tears down.
// Every path that returns ends with exit code 0, but for a silent uninstall
// that stopped and a silent run that refused its folder, which report why in
// their exit codes.
#include <windows.h>
#include <ole2.h>
#include "uninstall/common/error_reporter.h"
#include "uninstall/localisation/ext_resource.h"
#include "uninstall/localisation/language_resources.h"
#include "uninstall/res/resource_ids.h"
#include "uninstall/state/program_state.h"
#include "uninstall/startup/run_mode.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // Read first, so that a silent run is silent from the start: the
    // translation file is read before the mode runs.
    const CommandLine commandLine = ParseCommandLine(CommandLineTail(GetCommandLineA()));
    Errors.silent = commandLine.silent;
    LanguagePack.Load(instance);
    Translations.Load("uninstall.lng");
    OleInitialize(nullptr);
    HMODULE richEdit = LoadLibraryA("riched32.dll"); // registers the "RICHEDIT" class
    AppIcon = LoadIconA(ResourceModule, RESOURCE_ID_TEXT(IDI_ZELKOVA));
    // 12 pixels at 96 dpi, as tall as the line of the dialog font it sits in
    // at every dpi.
    HDC screen = GetDC(nullptr);
    const int boldHeight = -MulDiv(12, GetDeviceCaps(screen, LOGPIXELSY), 96);
    ReleaseDC(nullptr, screen);
    BoldFont = CreateFontA(boldHeight, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, GB2312_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH | FF_DONTCARE,
                           "\xcb\xce\xcc\xe5"); // 宋体 in code page 936

    int exitCode = RunMode(commandLine);

    if (richEdit) FreeLibrary(richEdit);
    OleUninitialize();
    DeleteObject(BoldFont);
    return exitCode;
}
