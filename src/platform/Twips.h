#pragma once

#include <cmath>

// Window geometry is computed in twips (1/1440 inch) and turned into pixels
// once, where it is applied. Twip values keep "Twips" in their names.
double twipsPerPixel();

inline int twipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / twipsPerPixel()));
}
inline double pixelsToTwips(double pixels)
{
    return pixels * twipsPerPixel();
}
