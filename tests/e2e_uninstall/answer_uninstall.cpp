// For the demo: runs an installed uninstall.exe as Add/Remove Programs
// would, answers its confirmation with Yes and waits until the batch run
// has removed the program folder.
//   answer_uninstall.exe "C:\Program Files\Zelkova\uninstall.exe"
#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/driver/ui_driver.h"

static bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: answer_uninstall PROGRAM\n");
        return 2;
    }
    const std::string program = argv[1];
    const std::string folder = program.substr(0, program.rfind('\\'));
    std::string line = "\"" + program + "\"";
    ui::Process process = ui::StartProcess(line.c_str(), "C:\\windows");
    HWND box = ui::WaitForWindow(ui::Ansi("卸载 Zelkova").c_str(), ui::kDialogClass, process.id);
    if (!box) {
        std::printf("no confirmation appeared\n");
        ui::EndProcess(process);
        return 1;
    }
    std::printf("confirmation: %s -> Yes\n", ui::Utf8(ui::MessageBoxText(box)).c_str());
    DWORD start = GetTickCount();
    ui::AnswerMessageBox(box, IDYES);
    bool gone = ui::WaitUntil([&] { return !Exists(folder); }, 30000);
    DWORD ms = GetTickCount() - start;
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    bool batchGone =
        ui::WaitUntil([&] { return !Exists(std::string(temp) + "Uninstall_Zkv.Bat"); }, 5000);
    std::printf("program folder %s %lu.%02lu s after the confirmation\n",
                gone ? "gone" : "STILL THERE", ms / 1000, (ms % 1000) / 10);
    std::printf("batch file in the temp folder: %s\n", batchGone ? "gone" : "STILL THERE");
    ui::EndProcess(process);
    return gone && batchGone ? 0 : 1;
}
