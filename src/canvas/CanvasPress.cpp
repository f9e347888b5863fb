#include "app/Form1.h"

#include "canvas/FloodFill.h"
#include "colour/ColourMath.h"
#include "platform/Rounding.h"

#include <cstring>

namespace
{
QPoint pixelAt(float x, float y)
{
    return QPoint(static_cast<int>(roundHalfEven(x)), static_cast<int>(roundHalfEven(y)));
}

// Copies the canvas into an undo slot. A slot that already has the canvas's
// size keeps its memory: a fresh canvas-sized buffer per press would cost tens
// of milliseconds of page faults on a large screen.
void copyPixels(const QImage &canvas, QImage &slot)
{
    const bool sameLayout = !slot.isNull() && slot.size() == canvas.size() &&
                            slot.format() == canvas.format() &&
                            slot.bytesPerLine() == canvas.bytesPerLine();
    if (!sameLayout) {
        slot = canvas.copy();
        return;
    }
    std::memcpy(slot.bits(), canvas.constBits(), static_cast<std::size_t>(canvas.sizeInBytes()));
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
    copyPixels(Picture1->image(), Image1[static_cast<std::size_t>(undoIndex)]->heldPicture());
    undoOrigins.record(undoIndex, shownVisit);
    undoIndex = static_cast<qint16>((undoIndex + 1) % static_cast<int>(Image1.size()));
}

void Form1::fillWithCurrentColour(QPoint at)
{
    const QRgb colour = paint.rgb();
    Picture1->setFillColor(colour);
    SaveUndoStep();
    QImage &canvas = Picture1->image();
    // Simple drawings fill up to the black lines whatever lies between; the
    // others spread over exactly the colour pressed, so areas can be recoloured.
    const FillRegion filled = simpleMode ? floodFillBorder(canvas, at, qRgb(0, 0, 0), colour)
                                         : floodFillSurface(canvas, at, colour);
    Picture1->imageChanged(filled.bounds);
}

void Form1::fillWithTexture(QPoint at)
{
    Picture1->setWaitCursor(true);
    SaveUndoStep();
    QImage &canvas = Picture1->image();
    // The texture is what the preview shows, tiled from the canvas's corner.
    // A hidden preview (simple drawings) still holds its last picture.
    const FillRegion area = findSurfaceRegion(canvas, at);
    paintRegionWithTexture(canvas, area, Picture7->image());
    Picture1->imageChanged(area.bounds);
    Picture1->setWaitCursor(false);
}
