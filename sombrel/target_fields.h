#pragma once
// The alarm and shutdown fields, Text1 and Text2: the target each was set to,
// through the menu or by typing, and which targets fired.
#include "forms/control.h"
#include "sombrel/rules/target_watch.h"

extern TargetWatch Targets;

// The text as a target in the clock's form; false when it is not a time.
bool TargetFromText(const char* text, char (&target)[kClockTextSize]);
// Tells the user that a text is not a time, and in what form to give one.
void ShowNotATime();

// Sets the field to `target` (a clock text, or empty to clear it) and arms it.
void SetTarget(Control* field, const char* target);

// Both fields' validate handler (the user left the field or pressed Enter in
// it): typed text that is a time becomes the target in the clock's form;
// empty text clears it; any other text brings the field's previous target
// back and then the message.
void TargetField_Validate(Control* field);
