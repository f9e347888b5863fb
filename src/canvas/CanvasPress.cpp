#include "app/Form1.h"

#include "canvas/FloodFill.h"
#include "colour/ColourMath.h"
#include "platform/Rounding.h"

namespace
{
QPoint pixelAt(float x, float y)
{
    return QPoint(static_cast<int>(roundHalfEven(x)), static_cast<int>(roundHalfEven(y)));
}

// The canvas's pixel, as stored, or 0 outside it.
QRgb pixelOf(const QImage &canvas, QPoint at)
{
    return canvas.rect().contains(at)
               ? reinterpret_cast<const QRgb *>(canvas.constScanLine(at.y()))[at.x()]
               : 0;
}
} // namespace

void Form1::Picture1_Mousedown(int, int, float x, float y)
{
    // Every mouse button paints; the button and shift state are not looked at.
    Picture1->setAutoRedraw(true);
    if (paint.paintsColour()) {
        switch (paint.tool()) {
        case Tool::Fill:
            fillWithCurrentColour(pixelAt(x, y));
            break;
        case Tool::Pencil: // the stroke starts with a dot
            SaveUndoStep();
            rememberPoint(x, y);
            drawLineFromLastPoint(x, y);
            break;
        case Tool::Line: // only its start point
            SaveUndoStep();
            rememberPoint(x, y);
            break;
        }
    } else {
        fillWithTexture(pixelAt(x, y));
    }
    Picture1->setAutoRedraw(false);
}

void Form1::SaveUndoStep()
{
    drawingChanged = true;
    keepUndoSnapshot();
}

void Form1::keepUndoSnapshot()
{
    // Nothing is copied yet: what the step paints over is kept as it paints.
    undoHistory.beginStep(Picture1->image().size(), shownVisit);
}

void Form1::fillWithCurrentColour(QPoint at)
{
    const QRgb colour = paint.rgb();
    Picture1->setFillColor(colour);
    SaveUndoStep();
    QImage &canvas = Picture1->image();
    // Simple drawings fill up to the black lines whatever lies between; the
    // others spread over exactly the colour pressed, so areas can be recoloured.
    // Undo keeps the spans filled with the colour or colours they had.
    if (simpleMode) {
        undoHistory.keepSpans(canvas, findBorderRegion(canvas, at, qRgb(0, 0, 0)).spans);
        Picture1->imageChanged(floodFillBorder(canvas, at, qRgb(0, 0, 0), colour).bounds);
        return;
    }
    const QRgb pressed = pixelOf(canvas, at);
    FillRegion filled = floodFillSurface(canvas, at, colour);
    Picture1->imageChanged(filled.bounds);
    undoHistory.keepFilled(std::move(filled.spans), pressed);
}

void Form1::fillWithTexture(QPoint at)
{
    Picture1->setWaitCursor(true);
    SaveUndoStep();
    QImage &canvas = Picture1->image();
    // The texture is what the preview shows, tiled from the canvas's corner.
    // A hidden preview (simple drawings) still holds its last picture.
    FillRegion area = findSurfaceRegion(canvas, at);
    const QRgb pressed = pixelOf(canvas, at);
    paintRegionWithTexture(canvas, area, Picture7->image());
    Picture1->imageChanged(area.bounds);
    undoHistory.keepFilled(std::move(area.spans), pressed);
    Picture1->setWaitCursor(false);
}
