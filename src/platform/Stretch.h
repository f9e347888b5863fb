#pragma once

#include <QImage>

// How a destination pixel that covers several source pixels gets its colour.
enum class StretchMode {
    And,     // bitwise AND: "black on white", thin black lines survive shrinking
    Or,      // bitwise OR: "white on black", white survives shrinking
    Nearest, // the source pixel under the destination pixel's centre
    Average, // half-tone: the average of the covered pixels
    Darkest, // the darkest covered pixel, as it is: colours stay exact and dark
             // outlines survive shrinking, so closed areas stay closed
};

// Scales src to width x height (Format_RGB32). Never smooths: when a destination
// pixel covers at most one source pixel in a direction, it takes that pixel.
QImage stretchImage(const QImage &src, int width, int height, StretchMode mode);
// The same into memory that is already there: src scaled over the whole of
// dest (Format_RGB32, which keeps its size). A canvas shown anew this way
// costs no fresh memory and no second copy.
void stretchInto(const QImage &src, QImage &dest, StretchMode mode);

// When a length of sourceLength pixels is shrunk to destLength pixels with the
// AND or OR rule (destLength < sourceLength), the destination pixel whose
// covered range holds source pixel `source`.
int shrunkPixelCovering(int source, int sourceLength, int destLength);
