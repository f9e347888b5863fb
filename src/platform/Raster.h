#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>

// Exact drawing on Format_RGB32 images: no anti-aliasing, every pixel touched
// takes exactly the colour given. Points are pixel positions (pixel (x, y) is
// the unit square whose top-left corner is (x, y)). Each call returns the
// rectangle it may have changed, clipped to the image (an empty rectangle when
// nothing was drawn). Positions may lie far outside the image; those beyond
// 2^29 pixels are clamped, and a position that is not a finite number draws nothing.
// An image of another format is converted to Format_RGB32 first.
//
// The rule for dots and lines: pixel (i, j) belongs to a dot of diameter d when
// its centre (i + 0.5, j + 0.5) lies within d / 2 of the dot's centre. The dot's
// centre is the point snapped so that the dot is exactly d x d pixels: for odd d
// the centre of the pixel holding the point, for even d the nearest pixel corner.

// A round dot whose bounding box is diameter x diameter pixels centred on the point.
// A diameter of 1 or less paints the one pixel holding the point.
QRect drawRoundDot(QImage &image, QPointF centre, int diameter, QRgb colour);

// A line of the given width with round ends: the union of the dots of that
// diameter along the segment between the two snapped centres (every pixel whose
// centre lies within width / 2 of that segment), so the segments of one stroke
// join without gaps. A line from a point to the same point is a round dot.
// A width of 1 or less draws a 1-pixel 8-connected line between the pixels
// holding the two points, both ends included, the same pixels in either direction.
QRect drawThickLine(QImage &image, QPointF from, QPointF to, int width, QRgb colour);

// A filled circle of the given radius in pixels: every pixel whose centre lies
// within radius of the centre, taken as it is (not snapped).
QRect fillCircle(QImage &image, QPointF centre, double radius, QRgb colour);
