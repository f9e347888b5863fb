#pragma once

#include "platform/LargeImage.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <vector>

// Flood fills on the canvas's persistent image. Pixels connect to their four
// side neighbours only (never diagonally), and colours are compared exactly on
// their red, green and blue bytes (the alpha byte of Format_RGB32 is ignored).
//
// Callers pass Format_RGB32 images, as the canvas keeps them; an image of any
// other format is converted to Format_RGB32 first (in place for the fills,
// on a copy for the functions that only look).
//
// Each fill returns the region it covered, so that a texture fill and a repaint
// can work on exactly that region. A seed outside the image gives an empty
// region and changes nothing.

// One row's run of pixels of a region, from x1 to x2 inclusive.
struct FillSpan {
    int y;
    int x1;
    int x2;

    friend bool operator==(const FillSpan &, const FillSpan &) = default;
};

// Row runs kept as a record (of a fill, for undo).
using SpanList = std::vector<FillSpan, RecordAllocator<FillSpan>>;

// A connected area as disjoint row runs (in no particular order), with the
// smallest rectangle holding them all.
struct FillRegion {
    SpanList spans;
    QRect bounds;

    bool isEmpty() const;
};

// Every pixel of exactly the seed pixel's colour that is connected to the seed
// through pixels of that colour takes `fill`. When `fill` is the seed's colour
// nothing changes, but the region is returned all the same.
FillRegion floodFillSurface(QImage &image, QPoint seed, QRgb fill);

// Every pixel not of colour `border` that is connected to the seed through such
// pixels takes `fill`, whatever colour it had (pixels already of colour `fill`
// included). A seed on a `border` pixel changes nothing and gives an empty region.
FillRegion floodFillBorder(QImage &image, QPoint seed, QRgb border, QRgb fill);

// The regions the two fills above would cover, leaving the image untouched.
FillRegion findSurfaceRegion(const QImage &image, QPoint seed);
FillRegion findBorderRegion(const QImage &image, QPoint seed, QRgb border);

// Each pixel (x, y) of the region takes the tile's pixel (x mod tile width,
// y mod tile height): the tile is laid edge to edge from the image's top-left
// corner. A null tile leaves the image unchanged.
void paintRegionWithTexture(QImage &image, const FillRegion &region, const QImage &tile);
