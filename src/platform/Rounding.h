#pragma once

#include <cmath>

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
