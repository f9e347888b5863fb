#include "platform/PictureArea.h"

#include "platform/Raster.h"
#include "platform/Twips.h"

#include <QMouseEvent>
#include <QPainter>

namespace
{
int buttonCode(Qt::MouseButtons buttons)
{
    int code = 0;
    if (buttons & Qt::LeftButton)
        code |= 1;
    if (buttons & Qt::RightButton)
        code |= 2;
    if (buttons & Qt::MiddleButton)
        code |= 4;
    return code;
}

int shiftCode(Qt::KeyboardModifiers modifiers)
{
    int code = 0;
    if (modifiers & Qt::ShiftModifier)
        code |= 1;
    if (modifiers & Qt::ControlModifier)
        code |= 2;
    if (modifiers & Qt::AltModifier)
        code |= 4;
    return code;
}
} // namespace

PictureArea::PictureArea(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    persistent = QImage(1, 1, QImage::Format_RGB32);
    persistent.fill(background);
}

void PictureArea::setBackColor(QRgb colour)
{
    background = colour | 0xFF000000;
    setPicture(backgroundPicture);
}

void PictureArea::setPicture(const QImage &newPicture)
{
    backgroundPicture = newPicture;
    if (autoSize && !newPicture.isNull())
        resize(newPicture.size());
    const QSize size = this->size().expandedTo(QSize(1, 1));
    persistent = QImage(size, QImage::Format_RGB32);
    persistent.fill(background);
    if (!newPicture.isNull()) {
        QPainter painter(&persistent);
        painter.drawImage(0, 0, newPicture);
    }
    refresh();
}

void PictureArea::setImage(const QImage &newImage)
{
    if (newImage.isNull())
        return;
    syncImageSize();
    const QImage rgb = newImage.format() == QImage::Format_RGB32
                           ? newImage
                           : newImage.convertToFormat(QImage::Format_RGB32);
    if (rgb.size() == persistent.size()) {
        persistent = rgb;
    } else {
        persistent.fill(background);
        QPainter painter(&persistent);
        painter.drawImage(0, 0, rgb);
    }
    refresh();
}

void PictureArea::imageChanged(const QRect &pixels)
{
    update(pixels);
}

void PictureArea::refresh()
{
    overlayDirty = QRect();
    if (!overlay.isNull())
        overlay.fill(Qt::transparent);
    update();
}

QImage &PictureArea::target()
{
    syncImageSize();
    if (retained)
        return persistent;
    if (overlay.size() != persistent.size()) {
        overlay = QImage(persistent.size(), QImage::Format_ARGB32_Premultiplied);
        overlay.fill(Qt::transparent);
    }
    return overlay;
}

void PictureArea::changed(const QRect &pixels)
{
    if (!retained)
        overlayDirty |= pixels;
    update(pixels);
}

double PictureArea::toPixels(double length) const
{
    return drawUnit == Unit::Pixels ? length : length / twipsPerPixel();
}

QPointF PictureArea::toPixels(QPointF at) const
{
    return {toPixels(at.x()), toPixels(at.y())};
}

double PictureArea::scaleWidth() const
{
    return drawUnit == Unit::Pixels ? width() : pixelsToTwips(width());
}

double PictureArea::scaleHeight() const
{
    return drawUnit == Unit::Pixels ? height() : pixelsToTwips(height());
}

void PictureArea::line(QPointF from, QPointF to, QRgb colour)
{
    changed(drawThickLine(target(), toPixels(from), toPixels(to), lineWidth, colour | 0xFF000000));
}

void PictureArea::dot(QPointF at, QRgb colour)
{
    changed(drawRoundDot(target(), toPixels(at), lineWidth, colour | 0xFF000000));
}

void PictureArea::circle(QPointF centre, double radius, QRgb outline)
{
    const QPointF c = toPixels(centre);
    const double r = toPixels(radius);
    QImage &image = target();
    QRect touched = fillCircle(image, c, r + lineWidth / 2.0, outline | 0xFF000000);
    touched |= fillCircle(image, c, r - lineWidth / 2.0, fill | 0xFF000000);
    changed(touched);
}

void PictureArea::paintPicture(const QImage &source, QRectF targetRect, StretchMode mode)
{
    if (source.isNull())
        return;
    const QRect pixels(qRound(toPixels(targetRect.x())), qRound(toPixels(targetRect.y())),
                       qRound(toPixels(targetRect.width())), qRound(toPixels(targetRect.height())));
    if (pixels.width() <= 0 || pixels.height() <= 0)
        return;
    const QImage scaled = stretchImage(source, pixels.width(), pixels.height(), mode);
    QPainter painter(&target());
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(pixels.topLeft(), scaled);
    painter.end();
    changed(pixels & persistent.rect());
}

qint64 PictureArea::point(QPointF at) const
{
    syncImageSize();
    const QPointF p = toPixels(at);
    const int x = static_cast<int>(roundHalfEven(p.x()));
    const int y = static_cast<int>(roundHalfEven(p.y()));
    if (!persistent.valid(x, y))
        return -1;
    return persistent.pixel(x, y) & 0xFFFFFF;
}

void PictureArea::setPixel(QPointF at, QRgb colour)
{
    const QPointF p = toPixels(at);
    const int x = static_cast<int>(roundHalfEven(p.x()));
    const int y = static_cast<int>(roundHalfEven(p.y()));
    QImage &image = target();
    if (!image.valid(x, y))
        return;
    image.setPixel(x, y, colour | 0xFF000000);
    changed(QRect(x, y, 1, 1));
}

void PictureArea::setCustomCursor(const QCursor &cursor)
{
    ownCursor = cursor;
    setCursor(cursor);
}

void PictureArea::setWaitCursor(bool waiting)
{
    if (waiting)
        setCursor(Qt::WaitCursor);
    else
        setCursor(ownCursor);
}

void PictureArea::paintEvent(QPaintEvent *event)
{
    syncImageSize();
    QPainter painter(this);
    const QRect area = event->rect();
    // The persistent image has the area's size and is opaque: it covers the
    // whole area, so nothing is painted beneath it (a second pass over a 4K
    // canvas would double the cost of every repaint).
    painter.drawImage(area.topLeft(), persistent, area);
    if (!overlay.isNull() && overlayDirty.intersects(area))
        painter.drawImage(area.topLeft(), overlay, area);
}

void PictureArea::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    syncImageSize();
}

void PictureArea::syncImageSize() const
{
    const QSize size = this->size().expandedTo(QSize(1, 1));
    if (size == persistent.size())
        return;
    QImage resized(size, QImage::Format_RGB32);
    resized.fill(background);
    QPainter painter(&resized);
    painter.drawImage(0, 0, persistent);
    painter.end();
    persistent = resized;
    overlay = QImage();
    overlayDirty = QRect();
}

void PictureArea::hideEvent(QHideEvent *event)
{
    // What was drawn without retention vanishes with the next repaint.
    overlayDirty = QRect();
    if (!overlay.isNull())
        overlay.fill(Qt::transparent);
    QWidget::hideEvent(event);
}

void PictureArea::emitMouse(void (PictureArea::*signal)(int, int, float, float), QMouseEvent *event,
                            int button)
{
    const QPointF p = event->position();
    const double scale = drawUnit == Unit::Pixels ? 1.0 : twipsPerPixel();
    emit(this->*signal)(button, shiftCode(event->modifiers()), static_cast<float>(p.x() * scale),
                        static_cast<float>(p.y() * scale));
}

void PictureArea::mousePressEvent(QMouseEvent *event)
{
    pressedInside = true;
    emitMouse(&PictureArea::mouseDown, event, buttonCode(event->button()));
}

void PictureArea::mouseMoveEvent(QMouseEvent *event)
{
    emitMouse(&PictureArea::mouseMove, event, buttonCode(event->buttons()));
}

void PictureArea::mouseReleaseEvent(QMouseEvent *event)
{
    emitMouse(&PictureArea::mouseUp, event, buttonCode(event->button()));
    const bool click = pressedInside && rect().contains(event->position().toPoint());
    pressedInside = false;
    if (click)
        emit clicked();
}

void PictureArea::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click is a press as well.
    emitMouse(&PictureArea::mouseDown, event, buttonCode(event->button()));
    emit doubleClicked();
}
