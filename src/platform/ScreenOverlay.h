#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

class QPainter;

// What a picture area shows over its persistent image until the next refresh:
// the drawing made while retained drawing is off (a straight line following the
// mouse). It holds pixels only around what has been drawn since the last
// refresh, so a line on a large canvas costs a small image, not a second image
// of the canvas's size. Coordinates are the area's pixels.
class ScreenOverlay
{
public:
    // The image to draw into for drawing that stays inside `reach`, grown or
    // moved to cover the part of `reach` inside `area` and keeping what was
    // drawn. Its top-left corner lies at origin(). Null when `reach` misses
    // `area`.
    QImage &cover(const QRect &reach, const QRect &area);
    QPoint origin() const { return corner; }
    // Records what drawing changed, so that painting shows it.
    void drawn(const QRect &pixels) { dirty |= pixels; }
    QRect drawnArea() const { return dirty; }
    // Transparent again; the memory is kept for the next line.
    void clear();
    // Drops the memory too (the area changed size).
    void release();
    // Paints the part of the overlay inside `exposed` over what is there.
    void paint(QPainter &painter, const QRect &exposed) const;
    QSize heldSize() const { return pixels.size(); }

private:
    QImage pixels; // ARGB32_Premultiplied, transparent where nothing was drawn
    QPoint corner;
    QRect dirty;
};
