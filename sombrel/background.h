#pragma once
// The window's background picture, drawn at run time rather than stored.
#include <windows.h>

constexpr int kBackgroundWidth = 505; // pixels
constexpr int kBackgroundHeight = 409;

// A 505 x 409, 24-bit picture: an evening sky over hills with a moon.
// Null when it cannot be made.
HBITMAP DrawBackground();
