#include "sombrel/rules/background_scene.h"

#include <gtest/gtest.h>

namespace {
// What a pixel shows, told by its colour: the moon's full light, the hills
// (the only part with less blue than the sky's 95), or the sky.
int PartOf(SceneColor c) {
    return c.r == 250 && c.g == 240 && c.b == 200 ? 0 : c.b < 60 ? 1 : 2;
}
} // namespace

// Drawn at the picture box's size at 96, 120, 144 and 192 dpi, it is the same
// picture: the pixel at the same place shows the same part as at 96 dpi but
// along the edges of the hills and the moon, which are finer there (a moon of
// the same 32-pixel radius at every size would differ in over 1 000).
TEST(BackgroundScene, LargerDrawingsAreTheSamePicture) {
    const int w = kSceneWidth, h = kSceneHeight;
    for (const auto& size : {std::make_pair(505, 409), {631, 511}, {758, 614}, {1010, 818}}) {
        int differing = 0;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const SceneColor large = BackgroundPixel(x * size.first / w, y * size.second / h,
                                                         size.first, size.second);
                differing += PartOf(BackgroundPixel(x, y, w, h)) != PartOf(large);
            }
        }
        EXPECT_LT(differing, w * h / 200) << size.first;
    }
}
