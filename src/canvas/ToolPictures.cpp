#include "app/Form1.h"

#include "canvas/FloodFill.h"
#include "canvas/PictureToIcon.h"
#include "colour/ColourMath.h"
#include "layout/Placement.h"
#include "platform/PictureFit.h"
#include "platform/PictureIO.h"
#include "platform/Twips.h"

void Form1::LoadToolIcons()
{
    // A picture that cannot be loaded leaves its icon empty; the next one still
    // loads. One larger than the icon's place is scaled down to fit it.
    const char *files[] = {"\\gifs\\pato.gif", "\\gifs\\lapiz.gif", "\\gifs\\recta.gif"};
    const MainWindowGeometry design = designGeometry();
    for (std::size_t i = 0; i < Image2.size(); ++i) {
        const QSize place(twipsToPixels(design.Image2[i].width),
                          twipsToPixels(design.Image2[i].height));
        const QImage icon = fitPicture(loadPicture(appPath(QString::fromLatin1(files[i]))), place);
        if (!icon.isNull()) {
            Image2[i]->setPicture(icon);
            Image2[i]->resize(icon.size() * layoutScaleFactor); // shrunk on a small screen
        }
    }
}

void Form1::UpdateColourCursor()
{
    paint.stopTextureSteps();
    // The template keeps its unfilled arrow; each recolouring fills a copy, so
    // the cursor follows every colour, black included.
    QImage arrow = Picture3->image().copy();
    Picture3->setFillColor(paint.rgb());
    floodFillBorder(arrow, QPoint(5, 5), qRgb(0, 0, 0), paint.rgb());
    const QCursor cursor = PictureToIcon(arrow, 0, 0, 2, 0, 0xFFFFFF);
    Image4->setPicture(cursor.pixmap().toImage());
    Picture1->setCustomCursor(cursor);
}
