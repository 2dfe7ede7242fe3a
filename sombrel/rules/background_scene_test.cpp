#include "sombrel/rules/background_scene.h"

#include <gtest/gtest.h>

// Found by gtest's comparisons through the type's namespace.
static bool operator==(SceneColor a, SceneColor b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

namespace {
struct Size {
    int width, height; // the picture box at 96, 120, 144 and 192 dpi
};
const Size kSizes[] = {{505, 409}, {631, 511}, {758, 614}, {1010, 818}};

bool IsColour(SceneColor c) {
    return c.r >= 0 && c.r <= 255 && c.g >= 0 && c.g <= 255 && c.b >= 0 && c.b <= 255;
}
const SceneColor kMoonlight = {250, 240, 200};

// What a pixel shows, told by its colour: the hills are the only part with
// less blue than the sky's 95.
enum Part { kHills, kMoon, kSky };
Part PartOf(SceneColor c) {
    return c == kMoonlight ? kMoon : c.b < 60 ? kHills : kSky;
}
} // namespace

// Drawn larger, it is the same picture: the pixel at the same place of the
// larger drawing shows the same part as the 96-dpi one, but along the edges
// of the hills and the moon, which are finer there.
TEST(BackgroundScene, LargerDrawingsAreTheSamePicture) {
    const Size base = kSizes[0];
    for (const Size& size : kSizes) {
        int differing = 0;
        for (int y = 0; y < base.height; ++y) {
            for (int x = 0; x < base.width; ++x) {
                const SceneColor small = BackgroundPixel(x, y, base.width, base.height);
                const SceneColor large =
                    BackgroundPixel(x * size.width / base.width, y * size.height / base.height,
                                    size.width, size.height);
                ASSERT_TRUE(IsColour(large)) << size.width << ": " << x << "," << y;
                if (PartOf(small) != PartOf(large)) ++differing;
            }
        }
        EXPECT_LT(differing, base.width * base.height / 100) << size.width;
    }
}

// The moon's edge stays as sharp in pixels: drawn larger, it is no wider
// in pixels than at 96 dpi times the scale, and its disc as round.
TEST(BackgroundScene, MoonIsRoundAndItsDiscScalesWithTheDrawing) {
    for (const Size& size : kSizes) {
        const int cx = 390 * size.width / kSceneWidth, cy = 110 * size.height / kSceneHeight;
        int right = 0, down = 0;
        while (BackgroundPixel(cx + right + 1, cy, size.width, size.height) == kMoonlight)
            ++right;
        while (BackgroundPixel(cx, cy + down + 1, size.width, size.height) == kMoonlight)
            ++down;
        const int expected = 32 * size.width / kSceneWidth;
        EXPECT_NEAR(expected, right, 1) << size.width;
        EXPECT_NEAR(expected, down, 1) << size.width;
    }
}
