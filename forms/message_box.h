#pragma once
// A modal message box with one OK button and no icon.
#include "forms/form.h"

// owner may be null (no owner, for a form that is not shown yet).
void ShowMessage(Form* owner, const char* text, const char* caption);
