#pragma once
// The modal input box: a prompt, a title, an edit field holding the default
// text, OK and Cancel, centred on the screen.
#include <windows.h>

#include <cstddef>

// Shows the box owned by `owner` and waits. On OK, `result` receives the
// field's text (the field takes at most resultSize - 1 characters) and the
// function returns true; on Cancel or closing, `result` is the empty text and
// the function returns false.
bool InputBox(HWND owner, const char* prompt, const char* title, const char* defaultText,
              char* result, size_t resultSize);
