#pragma once
// Window and control geometry is given in twips: 1440 to the inch, so 15 to
// the pixel at 96 dots per inch.

constexpr int kTwipsPerInch = 1440;

// Pixels for a length in twips at the given dots per inch, rounded to nearest.
int TwipsToPixels(int twips, int dotsPerInch);