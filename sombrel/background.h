#pragma once
// The window's background picture, drawn at run time rather than stored.
#include <windows.h>

// The scene as a 24-bit picture of width x height pixels: the picture box's
// own size, 505 x 409 at 96 dots per inch. Null when it cannot be made.
HBITMAP DrawBackground(int width, int height);
