#include "colour/MosaicLines.h"

#include <cmath>

namespace
{

// One place inside band j: the band's start plus a random part of a fifth of
// the length. The fraction is not rounded down before scaling, so when the
// length is not a multiple of five an end may reach one pixel past its band.
int placeInBand(int bandSize, int j, int length, const std::function<double()> &random)
{
    return bandSize * j + static_cast<int>(std::floor(random() * length / 5));
}

} // namespace

std::array<QLine, 10> mosaicLines(int width, int height, const std::function<double()> &random)
{
    std::array<QLine, 10> lines;
    int bandSize = width / 5;
    for (int j = 0; j < 5; ++j) {
        const int x1 = placeInBand(bandSize, j, width, random);
        const int x2 = placeInBand(bandSize, j, width, random);
        lines[j] = QLine(x1, 0, x2, height);
    }
    bandSize = height / 5;
    for (int j = 0; j < 5; ++j) {
        const int y1 = placeInBand(bandSize, j, height, random);
        const int y2 = placeInBand(bandSize, j, height, random);
        lines[5 + j] = QLine(0, y1, width, y2);
    }
    return lines;
}
