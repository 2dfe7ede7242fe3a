#include "forms/twips.h"

int TwipsToPixels(int twips, int dotsPerInch) {
    long scaled = static_cast<long>(twips) * dotsPerInch;
    return static_cast<int>((scaled + (scaled >= 0 ? kTwipsPerInch / 2 : -kTwipsPerInch / 2)) /
                            kTwipsPerInch);
}

int PixelsToTwips(int pixels, int dotsPerInch) {
    return dotsPerInch > 0 ? pixels * kTwipsPerInch / dotsPerInch : 0;
}
