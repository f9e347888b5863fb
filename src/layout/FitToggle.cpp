#include "app/Form1.h"

#include "platform/Rounding.h"
#include "platform/Stretch.h"
#include "platform/TwipGeometry.h"

#include <QPainter>

namespace
{
// The canvas as a presentation of the loaded drawing makes it, at a size: the
// drawing itself on the paper at its own size, else stretched over the canvas.
QImage presentation(const QImage &drawing, QSize size, QRgb paper)
{
    if (drawing.isNull())
        return {};
    if (drawing.size() != size)
        return stretchImage(drawing, size.width(), size.height(), StretchMode::And);
    QImage shown(size, QImage::Format_RGB32);
    shown.fill(paper);
    QPainter painter(&shown);
    painter.drawImage(0, 0, drawing);
    return shown;
}
} // namespace

void Form1::Command7_Click()
{
    const QImage before = Picture1->image();
    // Undo takes steps painted before the toggle back on the canvas they left.
    undoHistory.canvasReplaced(before, shownVisit);
    const int frameWidth = widthTwips(Picture5);
    const int frameHeight = heightTwips(Picture5);
    setWidthTwips(Picture1, frameWidth - 120);
    setHeightTwips(Picture1, frameHeight - 120);
    // Each presentation starts from the drawing as loaded from disk...
    Picture1->setAutoRedraw(true);
    if (naturalSizeShown) {
        // Painted over whole: the canvas before is kept above, not copied.
        Picture1->paintPictureOver(Picture8->picture(), StretchMode::And);
        naturalSizeShown = false;
    } else {
        // The canvas sizes itself to the drawing.
        Picture1->setPicture(Picture8->picture());
        naturalSizeShown = true;
    }
    Picture1->setAutoRedraw(false);

    // ... and keeps the colouring. Pressed again with nothing painted since, the
    // toggle gives back the canvas it found, pixel for pixel; a canvas with
    // colouring the drawing as loaded does not have is carried over by a
    // stretch that keeps every colour exact and every outline closed.
    const QSize size = Picture1->image().size();
    const bool untouched = fitMemory.visit == shownVisit && before == fitMemory.shown;
    if (untouched && fitMemory.before.size() == size)
        Picture1->setImage(fitMemory.before);
    else if (before != presentation(Picture8->picture(), before.size(), Picture1->backColor()))
        Picture1->setImage(stretchImage(before, size.width(), size.height(), StretchMode::Darkest));
    fitMemory = {shownVisit, before, Picture1->image()};

    setTopTwips(Picture1, centredOffset(frameHeight, heightTwips(Picture1)));
    setLeftTwips(Picture1, centredOffset(frameWidth, widthTwips(Picture1)));
}
