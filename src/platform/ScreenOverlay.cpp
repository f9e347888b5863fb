#include "platform/ScreenOverlay.h"

#include <QPainter>
#include <algorithm>

QImage &ScreenOverlay::cover(const QRect &reach, const QRect &area)
{
    const QRect wanted = reach & area;
    // Drawing that misses the area shows nowhere; the image may stay as it is.
    if (wanted.isEmpty() || (!pixels.isNull() && QRect(corner, pixels.size()).contains(wanted)))
        return pixels;
    if (dirty.isEmpty() && pixels.width() >= wanted.width() && pixels.height() >= wanted.height()) {
        corner = wanted.topLeft(); // all transparent: the image can move as it is
        return pixels;
    }
    // Grow to hold what was drawn and what will be, with a quarter to spare so
    // that a line following the mouse does not make a new image at every move.
    const QRect needed = dirty.isEmpty() ? wanted : (wanted | dirty);
    const QSize spare(std::min(needed.width() * 5 / 4, area.right() + 1 - needed.left()),
                      std::min(needed.height() * 5 / 4, area.bottom() + 1 - needed.top()));
    QImage grown(spare, QImage::Format_ARGB32_Premultiplied);
    grown.fill(Qt::transparent);
    if (!dirty.isEmpty()) {
        QPainter painter(&grown);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(corner - needed.topLeft(), pixels);
    }
    pixels = grown;
    corner = needed.topLeft();
    return pixels;
}

void ScreenOverlay::clear()
{
    if (!dirty.isEmpty())
        pixels.fill(Qt::transparent);
    dirty = QRect();
}

void ScreenOverlay::release()
{
    pixels = QImage();
    corner = QPoint();
    dirty = QRect();
}

void ScreenOverlay::paint(QPainter &painter, const QRect &exposed) const
{
    const QRect part = exposed & dirty & QRect(corner, pixels.size());
    if (!part.isEmpty())
        painter.drawImage(part.topLeft(), pixels, part.translated(-corner));
}
