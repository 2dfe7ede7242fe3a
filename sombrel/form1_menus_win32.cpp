// The menu commands of the clock window and of its notification-area popup.
#include "sombrel/form1.h"

#include "forms/input_box.h"
#include "forms/message_box.h"
#include "sombrel/program_start.h"
#include "sombrel/res/resource_ids.h"
#include "sombrel/rules/sombrel_commands.h"
#include "sombrel/target_fields.h"

namespace {
constexpr int kAnswerSize = 64; // the input box takes at most 63 characters

// Asks for a time until the answer is one, and sets the field to it in the
// clock's form. A text that is not a time is refused with a message and
// offered again for correcting; the field keeps its text meanwhile. Cancel
// gives the empty text, which clears the target.
void AskForTarget(Control* field) {
    char prompt[64], inputTitle[64];
    LoadSombrelText(IDS_PROMPT, prompt, sizeof prompt);
    LoadSombrelText(IDS_INPUT_TITLE, inputTitle, sizeof inputTitle);
    char typed[kAnswerSize] = "", answer[kAnswerSize];
    for (;;) {
        InputBox(Form1.hwnd, prompt, inputTitle, typed, answer, sizeof answer);
        char target[kClockTextSize];
        if (answer[0] == '\0' || TargetFromText(answer, target)) {
            SetTarget(field, answer[0] == '\0' ? "" : target);
            return;
        }
        ShowNotATime();
        lstrcpynA(typed, answer, sizeof typed);
    }
}

void StartOrReport(const ProgramCommand& command) {
    if (!StartProgram(command)) ReportStartFailure(command);
}

void mnuFileExit_Click() {
    FormUnload(&Form1);
}
void 启用闹钟_Click() {
    AskForTarget(&Text1);
}
void 取消闹钟_Click() {
    SetTarget(&Text1, "");
}
void 启用sombrel_Click() {
    AskForTarget(&Text2);
}
void 取消sombrel_Click() {
    SetTarget(&Text2, "");
}
void calendar_Click() {
    StartOrReport(kCalendarCommand);
}

void 软件说明_Click() {
    char notice[256];
    LoadSombrelText(IDS_NOTICE, notice, sizeof notice);
    ShowMessage(&Form1, notice, Form1.caption);
}

void SendSystemCommand(WPARAM command) {
    SendMessageA(Form1.hwnd, WM_SYSCOMMAND, command, 0);
}
void mnuTrayRestore_Click() {
    SendSystemCommand(SC_RESTORE);
}
void mnuTrayMove_Click() {
    SendSystemCommand(SC_MOVE);
}
void mnuTraySize_Click() {
    SendSystemCommand(SC_SIZE);
}
void mnuTrayMinimize_Click() {
    FormSetWindowState(&Form1, kStateMinimised);
}
void mnuTrayMaximize_Click() {
    FormSetWindowState(&Form1, kStateMaximised);
}
void mnuTrayClose_Click() {
    FormUnload(&Form1);
}

struct MenuHandler {
    int id;
    void (*click)();
};
const MenuHandler kMenuHandlers[] = {
    {ID_mnuFileExit, mnuFileExit_Click},
    {ID_启用闹钟, 启用闹钟_Click},
    {ID_取消闹钟, 取消闹钟_Click},
    {ID_启用sombrel, 启用sombrel_Click},
    {ID_取消sombrel, 取消sombrel_Click},
    {ID_calendar, calendar_Click},
    {ID_软件说明, 软件说明_Click},
    {ID_mnuTrayRestore, mnuTrayRestore_Click},
    {ID_mnuTrayMove, mnuTrayMove_Click},
    {ID_mnuTraySize, mnuTraySize_Click},
    {ID_mnuTrayMinimize, mnuTrayMinimize_Click},
    {ID_mnuTrayMaximize, mnuTrayMaximize_Click},
    {ID_mnuTrayClose, mnuTrayClose_Click},
};
} // namespace

void Form1_Command(Form*, int id) {
    for (const MenuHandler& handler : kMenuHandlers) {
        if (handler.id == id) {
            handler.click();
            return;
        }
    }
}
