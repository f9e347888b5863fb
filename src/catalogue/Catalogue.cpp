#include "app/Form1.h"

#include "layout/Placement.h"
#include "platform/FileSearch.h"
#include "platform/PictureFit.h"
#include "platform/PictureIO.h"
#include "platform/Rounding.h"
#include "platform/TwipGeometry.h"
#include "platform/Twips.h"

#include <QFileInfo>
#include <QPushButton>

void Form1::LoadCurrentDrawing()
{
    beginDrawingVisit();
    if (categoryBaseName(position.category()).isEmpty())
        return;
    const QString copyName = QString::number(position.drawing()) + QStringLiteral(".bmp");
    const QString copy = drawingPath(QStringLiteral(".bmp"));
    // A picture that cannot be loaded leaves the holder with the previous one.
    // A kept colouring there (opaque, the canvas's size) is held compact while
    // the next is read, so that two of them are never whole at once.
    CompactImage previous;
    if (Picture8->picture().format() == QImage::Format_RGB32) {
        previous = CompactImage(Picture8->picture());
        Picture8->setPicture(QImage());
    }
    // A colouring still on its way to disk is the drawing's kept colouring
    // already. A folder that carries its name is none.
    QImage drawing = keptColourings.pending(copy);
    if (drawing.isNull()) {
        const bool hasCopy = findFile(copy) == copyName && !QFileInfo(copy).isDir();
        drawing = loadPicture(hasCopy ? copy : drawingPath(QStringLiteral(".gif")));
    }
    if (!drawing.isNull())
        Picture8->setPicture(drawing);
    else if (!previous.isNull())
        Picture8->setPicture(previous.image());
}

void Form1::CountDrawings()
{
    const QString folder = categoryFolder(position.category());
    int count = 0;
    if (!folder.isEmpty()) {
        const FolderListing drawings(folder);
        while (
            count < 32767 &&
            !drawings.findNonFolder(QString::number(count + 1) + QStringLiteral(".gif")).isEmpty())
            ++count;
    }
    position.setCount(count);
}

void Form1::ShowDrawing()
{
    const int frameWidth = widthTwips(Picture5);
    const int frameHeight = heightTwips(Picture5);
    setWidthTwips(Picture1, frameWidth - 120);
    setHeightTwips(Picture1, frameHeight - 120);
    const QImage &drawing = Picture8->picture();
    if (drawing.isNull())
        return; // nothing to show: the remaining steps have nothing to work on
    // One canvas pixel per pixel of the screen: sharp lines and strokes on a
    // high-density screen, the layout in twips as on any other.
    Picture1->setPixelRatio(devicePixelRatioF());
    Picture1->setAutoRedraw(true);
    if (fitSetting == QLatin1String("SI"))
        // In the canvas's own memory, touched already: fresh memory would cost
        // a page fault every 4 KiB.
        Picture1->paintPictureOver(drawing, StretchMode::And);
    else
        Picture1->setPicture(drawing);
    Picture1->setAutoRedraw(false);
    setTopTwips(Picture1, centredOffset(frameHeight, heightTwips(Picture1)));
    setLeftTwips(Picture1, centredOffset(frameWidth, widthTwips(Picture1)));
    Picture1->show();
}

void Form1::ApplyDrawingMode()
{
    // Without a category (no logos) the full mode applies: the child still
    // gets the large palette.
    const bool simple = categoryBaseName(position.category()).contains(QLatin1String("peque"));
    simpleMode = simple;
    Command5->setStyleSheet(simple ? QStringLiteral("background-color: rgb(0, 255, 0);")
                                   : QStringLiteral("background-color: rgb(255, 255, 0);"));
    Picture7->setVisible(!simple);
    const QImage palette =
        loadPicture(appPath(simple ? QStringLiteral("\\paletas\\paletapeque.bmp")
                                   : QStringLiteral("\\paletas\\paletagrande.bmp")));
    // A palette larger than its place is shown scaled down to fit, never over
    // the other controls.
    const TwipRect place = designGeometry().Picture6;
    if (!palette.isNull())
        Picture6->setPicture(
            fitPicture(palette, QSize(twipsToPixels(place.width), twipsToPixels(place.height))));
    Command9->setVisible(!simple);
}
