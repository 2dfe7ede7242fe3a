#include "sombrel/target_fields.h"

#include "forms/message_box.h"
#include "sombrel/form1.h"
#include "sombrel/res/resource_ids.h"
#include "sombrel/rules/time_entry.h"

TargetWatch Targets;

namespace {
constexpr int kLongestEntry = 255;
char setTargets[2][kClockTextSize]; // what each field was last set to

int IndexOf(const Control* field) {
    return field == &Text2 ? 1 : 0;
}
} // namespace

bool TargetFromText(const char* text, char (&target)[kClockTextSize]) {
    wchar_t wide[kLongestEntry + 1];
    return MultiByteToWideChar(CP_ACP, 0, text, -1, wide, kLongestEntry + 1) > 0 &&
           ReadTimeEntry(wide, target);
}

void ShowNotATime() {
    char refused[256];
    LoadSombrelText(IDS_NOT_A_TIME, refused, sizeof refused);
    ShowMessage(&Form1, refused, Form1.caption);
}

void SetTarget(Control* field, const char* target) {
    const int index = IndexOf(field);
    lstrcpynA(setTargets[index], target, kClockTextSize);
    ControlSetText(field, setTargets[index]);
    ArmTarget(&Targets, index == 1 ? Target::Shutdown : Target::Alarm);
}

void TargetField_Validate(Control* field) {
    // Setting the text clears the flag: only typing sets it.
    if (!SendMessageA(field->hwnd, EM_GETMODIFY, 0, 0)) return;
    char typed[kLongestEntry + 1], target[kClockTextSize];
    ControlGetText(field, typed, sizeof typed);
    if (typed[0] == '\0') {
        SetTarget(field, "");
    } else if (GetWindowTextLengthA(field->hwnd) <= kLongestEntry &&
               TargetFromText(typed, target)) {
        SetTarget(field, target);
    } else {
        // Back first: the message takes the focus from the field, and the
        // field, unmodified again, is not checked a second time.
        ControlSetText(field, setTargets[IndexOf(field)]);
        ShowNotATime();
    }
}
