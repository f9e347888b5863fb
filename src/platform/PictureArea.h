#pragma once

#include "platform/CompactImage.h"
#include "platform/ScreenOverlay.h"
#include "platform/Stretch.h"

#include <QCursor>
#include <QImage>
#include <QPointF>
#include <QWidget>

// A rectangular area that shows a picture and can be drawn on.
//
// It holds a persistent image (Format_RGB32, the size of the area) that every
// repaint shows and that saving, printing and undo read. While retained drawing
// is on, drawing calls go into that image; while it is off they go to a
// screen-only overlay that the next refresh removes. Coordinates of drawing
// calls and mouse events are in the area's drawing unit, pixels or twips.
class PictureArea : public QWidget
{
    Q_OBJECT
public:
    enum class Unit { Twips, Pixels };

    explicit PictureArea(QWidget *parent = nullptr);

    void setDrawingUnit(Unit unit) { drawUnit = unit; }
    // Image pixels per pixel of the layout: on a screen of device pixel ratio
    // 2, a ratio of 2 gives one image pixel per pixel of the screen. The
    // drawing unit "pixels" is then the image's pixel, and the persistent
    // image is remade, the area's size times the ratio. 1 by default.
    void setPixelRatio(double ratio);
    double pixelRatio() const { return ratio; }
    Unit drawingUnit() const { return drawUnit; }
    // With automatic sizing the area takes the size of each picture it is given.
    void setAutoSize(bool on) { autoSize = on; }
    bool autoSizing() const { return autoSize; }

    // The background picture: it becomes the persistent image (the rest of the
    // area in the background colour). A null picture clears the area.
    void setPicture(const QImage &newPicture);
    // Pictures given from now on are shown at this factor of their size, each
    // pixel's colour kept exactly (a palette still gives its own colours).
    void setPictureScale(double factor) { pictureScale = factor; }
    const QImage &picture() const;
    // Makes the persistent image, with all drawing on it, the background picture.
    void keepImageAsPicture()
    {
        syncImageSize();
        backgroundPicture = persistent;
        compactPicture = {};
    }

    // Direct access to the persistent image's pixels. Whoever changes it calls
    // imageChanged() with the rectangle (in pixels) so that it is repainted.
    QImage &image()
    {
        syncImageSize();
        keepPictureApart();
        return persistent;
    }
    const QImage &image() const
    {
        syncImageSize();
        return persistent;
    }
    void imageChanged(const QRect &pixels);
    // Replaces the whole persistent image (the area keeps its size).
    void setImage(const QImage &newImage);

    void setAutoRedraw(bool on) { retained = on; }
    bool autoRedraw() const { return retained; }
    // Shows the persistent image again, dropping whatever was drawn off-screen-only.
    void refresh();

    void setBackColor(QRgb colour);
    QRgb backColor() const { return background; }
    void setFillColor(QRgb colour) { fill = colour; }
    QRgb fillColor() const { return fill; }
    void setDrawWidth(int pixels) { lineWidth = pixels < 1 ? 1 : pixels; }
    int drawWidth() const { return lineWidth; }

    // Drawing calls, in the drawing unit. Lines have round ends; a dot is a
    // filled circle whose diameter is the line thickness.
    void line(QPointF from, QPointF to, QRgb colour);
    void dot(QPointF at, QRgb colour);
    // A circle with the given outline colour, filled with the fill colour.
    void circle(QPointF centre, double radius, QRgb outline);
    // Paints a picture stretched into a rectangle (never smoothed).
    void paintPicture(const QImage &source, QRectF target, StretchMode mode = StretchMode::And);
    // Paints a picture stretched over the whole area, as paintPicture over the
    // area's rectangle. The old pixels are not copied first when the persistent
    // image is shared: the new ones go into fresh memory.
    void paintPictureOver(const QImage &source, StretchMode mode);
    // Pixel read and write on the persistent image; -1 outside the image.
    qint64 point(QPointF at) const;
    void setPixel(QPointF at, QRgb colour);

    // Size of the area in its drawing unit (the inner width and height).
    double scaleWidth() const;
    double scaleHeight() const;
    QPointF toPixels(QPointF at) const;
    double toPixels(double length) const;

    // Shows the whole area in one colour for a moment, over everything and
    // without touching the persistent image; a timer takes the colour away.
    void flash(QRgb colour, int milliseconds);
    bool flashing() const { return flashShown; }

    void setCustomCursor(const QCursor &cursor);
    void setWaitCursor(bool waiting);

signals:
    // Button codes: 1 left, 2 right, 4 middle, or-ed while several are held.
    // Shift state: 1 shift, 2 control, 4 alt. Coordinates in the drawing unit.
    void mouseDown(int button, int shift, float x, float y);
    void mouseMove(int button, int shift, float x, float y);
    void mouseUp(int button, int shift, float x, float y);
    void clicked();
    // The second press of a double click; it is no mouseDown.
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    // Where drawing that stays inside `reach` (pixels) goes: the persistent
    // image while retained drawing is on, else the screen-only overlay. The
    // returned image's top-left corner lies at *corner in the area's pixels.
    QImage &target(const QRect &reach, QPoint *corner);
    // The persistent image follows the area's size, also while the area is
    // hidden (when Qt sends no resize events). It is made on first use.
    void syncImageSize() const;
    void changed(const QRect &pixels);
    // The persistent image's size for the area's size; widget rectangles to
    // image pixels and back, each grown to whole pixels.
    QSize imageSize() const;
    QRect toImage(const QRect &area) const;
    bool copyToScreen(QPainter &painter, const QRect &area) const;
    void keepPictureApart();
    QRect toWidget(const QRect &pixels) const;
    void emitMouse(void (PictureArea::*signal)(int, int, float, float), QMouseEvent *event,
                   int button);

    Unit drawUnit = Unit::Twips;
    bool autoSize = false;
    double pictureScale = 1;
    double ratio = 1;
    bool retained = false;
    QRgb background = 0xFFFFFFFF;
    QRgb fill = 0xFF000000;
    int lineWidth = 1;
    mutable QImage backgroundPicture;
    // The background picture, while it is held compact (see keepPictureApart()).
    mutable CompactImage compactPicture;
    // Until something reads or draws on the persistent image, it is only the
    // background colour with the picture at the top-left corner, and repaints
    // show exactly that without holding an image the size of the area: a frame
    // or a hidden holder costs no memory beyond its picture.
    mutable bool imageMade = false;
    mutable QImage persistent;
    mutable ScreenOverlay overlay;
    QCursor ownCursor;
    bool pressedInside = false;
    bool flashShown = false;
    QRgb flashColour = 0;
    int flashCount = 0; // only the latest flash's timer ends the flash
};
