#include "tests/e2e_sombrel/sombrel_session.h"

#include "forms/form.h"

#include <gtest/gtest.h>

#include <cstdio>

void StageStandIns() {
    CreateDirectoryA("F:\\aa", nullptr);
    CreateDirectoryA("F:\\aa\\ts", nullptr);
    CreateDirectoryA("F:\\aa\\calendar", nullptr);
    CreateDirectoryA("C:\\Program Files\\Zelkova", nullptr);
    const std::string tavlin = ui::ArgumentPath(2), zkv = ui::ArgumentPath(3);
    ASSERT_TRUE(CopyFileA(tavlin.c_str(), kAlarmProgram, FALSE)) << tavlin;
    ASSERT_TRUE(CopyFileA(tavlin.c_str(), "F:\\aa\\calendar\\calendar.exe", FALSE));
    ASSERT_TRUE(CopyFileA(zkv.c_str(), "C:\\Program Files\\Zelkova\\Zkv.exe", FALSE)) << zkv;
    // Inherited by sombrel and so by the console tool it starts.
    SetEnvironmentVariableA("ZK_STUB_NO_POWEROFF", "1");
}

std::vector<std::string> LogLines(const char* path) {
    std::vector<std::string> lines;
    FILE* file = std::fopen(path, "rb");
    if (!file) return lines;
    char line[1024];
    while (std::fgets(line, sizeof line, file)) {
        std::string text = line;
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
            text.pop_back();
        lines.push_back(text);
    }
    std::fclose(file);
    return lines;
}

void ClearLogs() {
    for (const char* log : {kAlarmLog, kCalendarLog, kConsoleToolLog})
        DeleteFileA(log);
}

ULONGLONG LocalNow() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    FILETIME file;
    SystemTimeToFileTime(&now, &file);
    return ULARGE_INTEGER{{file.dwLowDateTime, file.dwHighDateTime}}.QuadPart;
}

std::string ClockTextOf(ULONGLONG localTime) {
    ULARGE_INTEGER ticks;
    ticks.QuadPart = localTime;
    const FILETIME file = {ticks.LowPart, ticks.HighPart};
    SYSTEMTIME then;
    FileTimeToSystemTime(&file, &then);
    char text[16];
    std::snprintf(text, sizeof text, "%02u:%02u:%02u", then.wHour, then.wMinute, then.wSecond);
    return text;
}

int SecondOfDay(const std::string& clockText) {
    int hour = 0, minute = 0, second = 0;
    if (std::sscanf(clockText.c_str(), "%d:%d:%d", &hour, &minute, &second) != 3) return -1;
    return (hour * 60 + minute) * 60 + second;
}

std::string ClockTextIn(int seconds) {
    return ClockTextOf(LocalNow() + static_cast<ULONGLONG>(seconds) * kSecond);
}

Sombrel StartSombrel() {
    Sombrel sombrel;
    const std::string command = "\"" + ui::ArgumentPath(1) + "\"";
    sombrel.process = ui::StartProcess(command.c_str(), nullptr);
    if (!sombrel.process.handle) return sombrel;
    const std::string title = ui::Ansi("sombrel系统");
    HWND greeting = ui::WaitForWindow(title.c_str(), ui::kDialogClass, sombrel.process.id);
    if (!greeting) return sombrel;
    sombrel.greeting = ui::MessageBoxText(greeting);
    sombrel.visibleDuringGreeting =
        ui::WaitForWindow(title.c_str(), "ZkForm", sombrel.process.id, 0) != nullptr;
    ui::AnswerMessageBox(greeting, IDOK);
    sombrel.window = ui::WaitForWindow(title.c_str(), "ZkForm", sombrel.process.id);
    return sombrel;
}

HWND ControlAt(HWND window, int tabIndex) {
    return ui::FindControl(window, kFirstControlId + tabIndex);
}

std::string AnswerInputBox(const Sombrel& sombrel, int commandId, const char* text) {
    if (!ui::Command(sombrel.window, commandId, ui::Delivery::Post)) return "";
    HWND box =
        ui::WaitForWindow(ui::Ansi("设定闹钟").c_str(), ui::kDialogClass, sombrel.process.id);
    if (!box) return "";
    const std::string prompt = ui::Text(ui::FindControl(box, 100));
    if (text) {
        ui::TypeText(ui::FindControl(box, 101), text);
        ui::Click(ui::FindControl(box, IDOK), ui::Delivery::Post);
    } else {
        ui::Click(ui::FindControl(box, IDCANCEL), ui::Delivery::Post);
    }
    ui::WaitUntil([&] { return !IsWindow(box); }, ui::kFindTimeoutMs);
    return prompt;
}
