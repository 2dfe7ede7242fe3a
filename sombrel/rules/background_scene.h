#pragma once
// The window's background picture, an evening sky over hills with a moon,
// as a scene drawn at any size: 505 x 409 pixels at 96 dots per inch, and
// larger, with every line as sharp, where the window is larger.

constexpr int kSceneWidth = 505; // the scene's own size, in pixels at 96 dpi
constexpr int kSceneHeight = 409;

struct SceneColor {
    int r, g, b;
};

// The colour of pixel (x, y), top left first, of the scene drawn at
// width x height pixels (each at least 1).
SceneColor BackgroundPixel(int x, int y, int width, int height);
