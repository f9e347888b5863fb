#include "platform/PictureArea.h"

#include "platform/LargeImage.h"

#include "platform/Raster.h"
#include "platform/Rounding.h"
#include "platform/Twips.h"

#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace
{
// The pixels a drawing around `shape` may touch: `margin` pixels on every side
// and one more for rounding.
QRect reachAround(const QRectF &shape, double margin)
{
    return shape.adjusted(-margin, -margin, margin, margin).toAlignedRect().adjusted(-1, -1, 1, 1);
}

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
}

void PictureArea::setPixelRatio(double newRatio)
{
    if (!(newRatio > 0) || newRatio == ratio)
        return;
    ratio = newRatio;
    persistent = QImage();
    imageMade = false;
    overlay.release();
    refresh();
}

QSize PictureArea::imageSize() const
{
    if (ratio == 1)
        return size();
    return {static_cast<int>(std::lround(width() * ratio)),
            static_cast<int>(std::lround(height() * ratio))};
}

QRect PictureArea::toImage(const QRect &area) const
{
    if (ratio == 1)
        return area;
    return QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio)
        .toAlignedRect();
}

QRect PictureArea::toWidget(const QRect &pixels) const
{
    if (ratio == 1)
        return pixels;
    return QRectF(pixels.x() / ratio, pixels.y() / ratio, pixels.width() / ratio,
                  pixels.height() / ratio)
        .toAlignedRect();
}

void PictureArea::setBackColor(QRgb colour)
{
    background = colour | 0xFF000000;
    setPicture(picture());
}

const QImage &PictureArea::picture() const
{
    if (!compactPicture.isNull()) {
        backgroundPicture = compactPicture.image();
        compactPicture = {};
    }
    return backgroundPicture;
}

void PictureArea::keepPictureApart()
{
    // Once the image is made, the background picture is rarely seen again (a
    // save or a print keeps the image as the picture; a drawing shown at its
    // own size stays the picture when the next one is painted over it). Held
    // by the image, it would make drawing copy the whole image first; held by
    // no one else, it is a second image of memory. Either way it is kept
    // compact instead (opaque pictures only: compact pixels are opaque).
    if (!imageMade || backgroundPicture.isNull() || backgroundPicture.hasAlphaChannel() ||
        (backgroundPicture.constBits() != persistent.constBits() &&
         !backgroundPicture.isDetached()))
        return;
    compactPicture = CompactImage(backgroundPicture);
    backgroundPicture = QImage();
}

void PictureArea::setPicture(const QImage &newPicture)
{
    if (pictureScale != 1 && !newPicture.isNull())
        backgroundPicture = stretchImage(
            newPicture,
            std::max(1, static_cast<int>(std::lround(newPicture.width() * pictureScale))),
            std::max(1, static_cast<int>(std::lround(newPicture.height() * pictureScale))),
            StretchMode::Nearest);
    else
        backgroundPicture = newPicture;
    compactPicture = {};
    if (autoSize && !newPicture.isNull())
        resize(ratio == 1 ? backgroundPicture.size()
                          : QSize(static_cast<int>(std::ceil(backgroundPicture.width() / ratio)),
                                  static_cast<int>(std::ceil(backgroundPicture.height() / ratio))));
    persistent = QImage();
    imageMade = false;
    overlay.release();
    refresh();
}

void PictureArea::setImage(const QImage &newImage)
{
    if (newImage.isNull())
        return;
    keepPictureApart();
    const QImage rgb = newImage.format() == QImage::Format_RGB32
                           ? newImage
                           : newImage.convertToFormat(QImage::Format_RGB32);
    const QSize size = imageSize().expandedTo(QSize(1, 1));
    if (rgb.size() == size) {
        // It takes the old image's place whole: no image of the new size is
        // made for it first.
        if (persistent.size() != size)
            overlay.release();
        persistent = rgb;
        imageMade = true;
    } else {
        syncImageSize();
        persistent.fill(background);
        QPainter painter(&persistent);
        painter.drawImage(0, 0, rgb);
    }
    refresh();
}

void PictureArea::imageChanged(const QRect &pixels)
{
    update(toWidget(pixels));
}

void PictureArea::refresh()
{
    overlay.clear();
    update();
}

QImage &PictureArea::target(const QRect &reach, QPoint *corner)
{
    syncImageSize();
    if (retained) {
        *corner = QPoint();
        return persistent;
    }
    QImage &image = overlay.cover(reach, persistent.rect());
    *corner = overlay.origin();
    return image;
}

void PictureArea::changed(const QRect &pixels)
{
    if (!retained)
        overlay.drawn(pixels);
    update(toWidget(pixels));
}

double PictureArea::toPixels(double length) const
{
    return drawUnit == Unit::Pixels ? length : length / twipsPerPixel() * ratio;
}

QPointF PictureArea::toPixels(QPointF at) const
{
    return {toPixels(at.x()), toPixels(at.y())};
}

double PictureArea::scaleWidth() const
{
    return drawUnit == Unit::Pixels ? imageSize().width() : pixelsToTwips(width());
}

double PictureArea::scaleHeight() const
{
    return drawUnit == Unit::Pixels ? imageSize().height() : pixelsToTwips(height());
}

void PictureArea::line(QPointF from, QPointF to, QRgb colour)
{
    const QPointF a = toPixels(from);
    const QPointF b = toPixels(to);
    QPoint corner;
    QImage &image = target(reachAround(QRectF(a, b).normalized(), lineWidth), &corner);
    changed(drawThickLine(image, a - corner, b - corner, lineWidth, colour | 0xFF000000)
                .translated(corner));
}

void PictureArea::dot(QPointF at, QRgb colour)
{
    const QPointF p = toPixels(at);
    QPoint corner;
    QImage &image = target(reachAround(QRectF(p, p), lineWidth), &corner);
    changed(drawRoundDot(image, p - corner, lineWidth, colour | 0xFF000000).translated(corner));
}

void PictureArea::circle(QPointF centre, double radius, QRgb outline)
{
    const QPointF c = toPixels(centre);
    const double r = toPixels(radius);
    QPoint corner;
    QImage &image = target(reachAround(QRectF(c, c), r + lineWidth), &corner);
    QRect touched = fillCircle(image, c - corner, r + lineWidth / 2.0, outline | 0xFF000000);
    touched |= fillCircle(image, c - corner, r - lineWidth / 2.0, fill | 0xFF000000);
    changed(touched.translated(corner));
}

void PictureArea::paintPicture(const QImage &source, QRectF targetRect, StretchMode mode)
{
    if (source.isNull())
        return;
    const QRect pixels(qRound(toPixels(targetRect.x())), qRound(toPixels(targetRect.y())),
                       qRound(toPixels(targetRect.width())), qRound(toPixels(targetRect.height())));
    if (pixels.width() <= 0 || pixels.height() <= 0)
        return;
    QPoint corner;
    QImage &image = target(pixels, &corner);
    if (image.isNull())
        return; // screen-only drawing wholly outside the area
    const QImage scaled = stretchImage(source, pixels.width(), pixels.height(), mode);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(pixels.topLeft() - corner, scaled);
    painter.end();
    changed(pixels & persistent.rect());
}

void PictureArea::paintPictureOver(const QImage &source, StretchMode mode)
{
    if (!retained) {
        paintPicture(source, QRectF(0, 0, scaleWidth(), scaleHeight()), mode);
        return;
    }
    if (source.isNull())
        return;
    keepPictureApart();
    const QSize size = imageSize().expandedTo(QSize(1, 1));
    if (!imageMade || persistent.size() != size || !persistent.isDetached()) {
        if (persistent.size() != size)
            overlay.release();
        persistent = largeImage(size, QImage::Format_RGB32);
        imageMade = true;
    }
    stretchInto(source, persistent, mode);
    changed(persistent.rect());
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
    QPoint corner;
    QImage &image = target(QRect(x, y, 1, 1), &corner);
    if (!image.valid(x - corner.x(), y - corner.y()) || !persistent.valid(x, y))
        return;
    image.setPixel(x - corner.x(), y - corner.y(), colour | 0xFF000000);
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

void PictureArea::flash(QRgb colour, int milliseconds)
{
    flashColour = colour;
    flashShown = true;
    const int thisFlash = ++flashCount;
    update();
    QTimer::singleShot(milliseconds, this, [this, thisFlash] {
        if (thisFlash != flashCount)
            return;
        flashShown = false;
        update();
    });
}

void PictureArea::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (flashShown) {
        painter.fillRect(event->rect(), QColor::fromRgb(flashColour));
        return;
    }
    // Painted in image pixels: at the screen's own ratio, one image pixel
    // lands on one pixel of the screen, never resampled.
    const QRect area = toImage(event->rect());
    if (ratio != 1)
        painter.scale(1 / ratio, 1 / ratio);
    if (!imageMade) {
        painter.fillRect(area, QColor::fromRgb(background));
        painter.setClipRect(area);
        painter.drawImage(0, 0, picture());
        return;
    }
    syncImageSize();
    // The persistent image has the area's size and is opaque: it covers the
    // whole area, so nothing is painted beneath it (a second pass over a 4K
    // canvas would double the cost of every repaint).
    if (!copyToScreen(painter, area))
        painter.drawImage(area.topLeft(), persistent, area);
    overlay.paint(painter, area);
}

// Qt's own drawing of an image this large is spread over its drawing threads,
// whose wake-ups cost more than the copy itself: when the window's pixels are
// an image of the canvas's own format, the rows are copied straight into them,
// within what the window lets this area paint.
bool PictureArea::copyToScreen(QPainter &painter, const QRect &area) const
{
    QPaintEngine *engine = painter.paintEngine();
    const QTransform place = painter.deviceTransform();
    if (!engine || engine->type() != QPaintEngine::Raster || painter.opacity() != 1 ||
        place.type() > QTransform::TxTranslate || place.dx() != std::floor(place.dx()) ||
        place.dy() != std::floor(place.dy()))
        return false;
    auto *screen = dynamic_cast<QImage *>(engine->paintDevice());
    if (!screen || screen->format() != persistent.format())
        return false;
    const QPoint offset(static_cast<int>(place.dx()), static_cast<int>(place.dy()));
    QRegion allowed = engine->systemClip();
    if (allowed.isEmpty())
        allowed = screen->rect();
    allowed &= QRegion((area & persistent.rect()).translated(offset)) & screen->rect();
    const qsizetype imageStride = persistent.bytesPerLine();
    const qsizetype screenStride = screen->bytesPerLine();
    const uchar *from = persistent.constBits();
    uchar *to = screen->bits();
    for (const QRect &target : allowed) {
        const QRect source = target.translated(-offset);
        const std::size_t bytes = static_cast<std::size_t>(source.width()) * 4;
        for (int y = 0; y < source.height(); ++y)
            std::memcpy(to + (target.y() + y) * screenStride + target.x() * 4,
                        from + (source.y() + y) * imageStride + source.x() * 4, bytes);
    }
    return true;
}

void PictureArea::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (imageMade)
        syncImageSize();
}

void PictureArea::syncImageSize() const
{
    const QSize size = imageSize().expandedTo(QSize(1, 1));
    if (!imageMade) {
        persistent = largeImage(size, QImage::Format_RGB32);
        persistent.fill(background);
        if (!picture().isNull()) {
            QPainter painter(&persistent);
            painter.drawImage(0, 0, picture());
        }
        imageMade = true;
        return;
    }
    if (size == persistent.size())
        return;
    QImage resized = largeImage(size, QImage::Format_RGB32);
    resized.fill(background);
    QPainter painter(&resized);
    painter.drawImage(0, 0, persistent);
    painter.end();
    persistent = resized;
    overlay.release();
}

void PictureArea::hideEvent(QHideEvent *event)
{
    // What was drawn without retention vanishes with the next repaint.
    overlay.clear();
    QWidget::hideEvent(event);
}

void PictureArea::emitMouse(void (PictureArea::*signal)(int, int, float, float), QMouseEvent *event,
                            int button)
{
    const QPointF p = event->position();
    const double scale = drawUnit == Unit::Pixels ? ratio : twipsPerPixel();
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

void PictureArea::mouseDoubleClickEvent(QMouseEvent *)
{
    // The second press of a double click arrives as the double click alone,
    // not as another press: the press before it has already painted, picked
    // or stepped once.
    emit doubleClicked();
}
