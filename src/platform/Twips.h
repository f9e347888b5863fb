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

// Rounds to the nearest whole number, a value exactly halfway to the even one.
inline double roundHalfEven(double value)
{
    return std::nearbyint(value);
}

// Offset that centres an inner length in an outer one: the difference is
// rounded (halves to even), then halved with the fraction dropped.
inline int centredOffset(double outer, double inner)
{
    const long long difference = static_cast<long long>(roundHalfEven(outer - inner));
    return static_cast<int>(difference / 2);
}
