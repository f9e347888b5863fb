#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>

// Exact drawing on Format_RGB32 images: no anti-aliasing, every pixel touched
// takes exactly the colour given. Points are pixel positions (pixel (x, y) is
// the unit square whose top-left corner is (x, y)). Each call returns the
// rectangle it may have changed, clipped to the image.

// A round dot whose bounding box is diameter x diameter pixels centred on the point.
QRect drawRoundDot(QImage &image, QPointF centre, int diameter, QRgb colour);

// A line of the given width with round ends: the union of the dots of that
// diameter along the segment, so the segments of one stroke join without gaps.
// A line from a point to the same point is a round dot.
QRect drawThickLine(QImage &image, QPointF from, QPointF to, int width, QRgb colour);

// A filled circle of the given radius in pixels.
QRect fillCircle(QImage &image, QPointF centre, double radius, QRgb colour);
