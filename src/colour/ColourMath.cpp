#include "colour/ColourMath.h"

#include <algorithm>

namespace
{
constexpr Rgb black{0, 0, 0};
} // namespace

Rgb splitPackedColour(qint64 packed)
{
    // The green mask keeps bits 24 to 31 as well; a colour never has them set.
    const qint64 greenMask = 0xFF00FF00LL;
    return Rgb{static_cast<int>(packed % 256), static_cast<int>((packed & greenMask) / 256),
               static_cast<int>((packed & 0xFF0000LL) / 65536)};
}

qint64 packColour(int red, int green, int blue)
{
    return red + qint64(green) * 256 + qint64(blue) * 65536;
}

QRgb toQRgb(int red, int green, int blue)
{
    return qRgb(red, green, blue);
}

Rgb fromQRgb(QRgb colour)
{
    return Rgb{qRed(colour), qGreen(colour), qBlue(colour)};
}

std::array<Rgb, 16> shadeSwatchColours(int red, int green, int blue)
{
    const auto lighter = [](int c, int i) { return std::min(c + 5 * i, 255); };
    const auto darker = [](int c, int i) { return c >= 8 * i ? c - 8 * i : 0; };
    std::array<Rgb, 16> swatches;
    swatches[0] = Rgb{red, green, blue};
    for (int i = 1; i <= 7; ++i)
        swatches[i] = Rgb{lighter(red, i), lighter(green, i), lighter(blue, i)};
    for (int i = 8; i <= 15; ++i)
        swatches[i] = Rgb{darker(red, i), darker(green, i), darker(blue, i)};
    return swatches;
}

Rgb afterPalettePick(Rgb picked)
{
    return picked == black ? Rgb{1, 1, 1} : picked;
}

Rgb afterSwatchPick(Rgb picked, bool simpleMode)
{
    return simpleMode && picked == black ? Rgb{4, 0, 0} : picked;
}
