#pragma once

#include <QImage>

// The picture of a cursor or icon made from a source picture: Format_ARGB32,
// width x height pixels (0, or any size below 1, means 32), the source scaled with
// the stretch mode number: 1 AND ("black on white"), 2 OR ("white on black"),
// 3 nearest, 4 average ("half-tone"); any other number scales by nearest.
//
// Every pixel whose scaled colour is exactly the transparent colour is fully
// transparent (alpha 0, colour 0); all others are opaque. The transparent colour is
// packed as the program packs colours, red + green * 256 + blue * 65536; -1, or any
// value that is not such a colour, means none, and the whole image is opaque.
//
// A null source gives a fully transparent image. A source with an alpha channel is
// an icon: it brings its own mask (alpha below 128 is transparent); mask and colours
// are scaled by nearest, so a visible pixel keeps its own colour, and the
// transparent colour is not used.
QImage makeCursorImage(const QImage &source, int width, int height, int stretchMode,
                       qint64 transparentColour);
