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

size_t pixelHash(const QImage &image)
{
    return qHashBits(image.constBits(), static_cast<size_t>(image.sizeInBytes()));
}
} // namespace

void Form1::Command7_Click()
{
    QImage before = Picture1->image();
    // Undo takes steps painted before the toggle back on the canvas they left,
    // and the next press of the toggle may give it back: held compact by both.
    const auto kept = std::make_shared<const CompactImage>(before);
    undoHistory.canvasReplaced(kept, shownVisit);
    // Pressed again with nothing painted since, the toggle gives back the
    // canvas it found, pixel for pixel; a canvas with colouring the drawing as
    // loaded does not have is carried over by a stretch that keeps every
    // colour exact and every outline closed; otherwise the drawing is shown
    // afresh. Decided before the new canvas is made, so that at most two
    // canvases are held at once: the one before and the new one.
    const bool untouched =
        fitMemory.visit == shownVisit && before.size() == fitMemory.shownSize &&
        (before.cacheKey() == fitMemory.shownKey || pixelHash(before) == fitMemory.shownHash);
    QImage found = untouched && fitMemory.before ? fitMemory.before->image() : QImage();
    fitMemory = {};
    const bool coloured = !untouched && before != presentation(Picture8->picture(), before.size(),
                                                               Picture1->backColor());
    if (!coloured)
        before = QImage(); // not needed again: only the canvas holds it now

    const int frameWidth = widthTwips(Picture5);
    const int frameHeight = heightTwips(Picture5);
    setWidthTwips(Picture1, frameWidth - 120);
    setHeightTwips(Picture1, frameHeight - 120);
    Picture1->setAutoRedraw(true);
    if (naturalSizeShown) {
        naturalSizeShown = false;
    } else {
        // The canvas sizes itself to the drawing (the picture is shared, not copied).
        Picture1->setPicture(Picture8->picture());
        naturalSizeShown = true;
    }
    const QSize size(static_cast<int>(Picture1->scaleWidth()),
                     static_cast<int>(Picture1->scaleHeight()));
    if (!found.isNull() && found.size() == size)
        Picture1->setImage(found);
    else if (coloured)
        Picture1->setImage(stretchImage(before, size.width(), size.height(), StretchMode::Darkest));
    else if (!naturalSizeShown)
        // Painted over whole: the canvas before is kept above, not copied.
        Picture1->paintPictureOver(Picture8->picture(), StretchMode::And);
    Picture1->setAutoRedraw(false);
    const QImage &shown = Picture1->image();
    fitMemory = {shownVisit, kept, shown.cacheKey(), pixelHash(shown), shown.size()};

    setTopTwips(Picture1, centredOffset(frameHeight, heightTwips(Picture1)));
    setLeftTwips(Picture1, centredOffset(frameWidth, widthTwips(Picture1)));
}
