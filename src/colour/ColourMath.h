#pragma once

#include <QRgb>
#include <QtGlobal>

#include <array>

// A colour as its three components, each 0..255.
struct Rgb {
    int red, green, blue;
    friend bool operator==(const Rgb &, const Rgb &) = default;
};

// Components of a packed colour red + green*256 + blue*65536. For values outside
// 0..16777215, green also keeps bits 24 to 31 (shifted down by 8).
Rgb splitPackedColour(qint64 packed);
qint64 packColour(int red, int green, int blue);

QRgb toQRgb(int red, int green, int blue);
Rgb fromQRgb(QRgb colour);

// The shade strip for a colour: swatch 0 the colour itself, 1 to 7 lighter
// (each component + 5 per step, at most 255), 8 to 15 darker (each component
// - 8 per step, or 0 where it would go below).
std::array<Rgb, 16> shadeSwatchColours(int red, int green, int blue);

// Pure black is never kept after a palette pick: it becomes (1, 1, 1).
Rgb afterPalettePick(Rgb picked);
// In simple mode pure black from a swatch becomes (4, 0, 0).
Rgb afterSwatchPick(Rgb picked, bool simpleMode);
