#include "sombrel/rules/background_scene.h"

namespace {
// The scene is laid out in its own pixels (505 x 409); a point is computed in
// 1/256 of one, so a larger drawing gets the finer detail and stays sharp.
constexpr long long kUnit = 256;

SceneColor Mix(SceneColor from, SceneColor to, long long part, long long whole) {
    return {from.r + static_cast<int>((to.r - from.r) * part / whole),
            from.g + static_cast<int>((to.g - from.g) * part / whole),
            from.b + static_cast<int>((to.b - from.b) * part / whole)};
}

// Height of the hills' top edge at x, from the bottom: two gentle waves.
long long HillHeight(long long x) {
    const long long a = (x * 7) % (240 * kUnit), b = (x * 3 + 90 * kUnit) % (330 * kUnit);
    const long long waveA = a < 120 * kUnit ? a : 240 * kUnit - a;
    const long long waveB = b < 165 * kUnit ? b : 330 * kUnit - b;
    return 70 * kUnit + waveA / 3 + waveB / 4;
}
} // namespace

SceneColor BackgroundPixel(int x, int y, int width, int height) {
    // The pixel's place in the scene's units.
    const long long sx = static_cast<long long>(x) * kSceneWidth * kUnit / width;
    const long long sy = static_cast<long long>(y) * kSceneHeight * kUnit / height;
    const long long fromBottom = (kSceneHeight - 1) * kUnit - sy;
    const long long bottom = kSceneHeight * kUnit;
    if (fromBottom < HillHeight(sx)) return Mix({40, 70, 50}, {15, 35, 25}, sy, bottom);
    const long long dx = sx - 390 * kUnit, dy = sy - 110 * kUnit;
    const long long moon = dx * dx + dy * dy;
    const long long inner = 32 * kUnit * 32 * kUnit, outer = 52 * kUnit * 52 * kUnit;
    const SceneColor moonlight = {250, 240, 200};
    if (moon < inner) return moonlight;
    const SceneColor sky = Mix({25, 35, 95}, {235, 150, 95}, sy, bottom);
    if (moon < outer) return Mix(moonlight, sky, moon - inner, outer - inner);
    return sky;
}
