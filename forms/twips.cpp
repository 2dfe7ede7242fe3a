#include "forms/twips.h"

int TwipsToPixels(int twips, int dotsPerInch) {
    long scaled = static_cast<long>(twips) * dotsPerInch;
    return static_cast<int>((scaled + (scaled >= 0 ? kTwipsPerInch / 2 : -kTwipsPerInch / 2)) /
                            kTwipsPerInch);
}
