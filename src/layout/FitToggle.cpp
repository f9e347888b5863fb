#include "app/Form1.h"

#include "platform/TwipGeometry.h"
#include "platform/Twips.h"

void Form1::Command7_Click()
{
    const int frameWidth = widthTwips(Picture5);
    const int frameHeight = heightTwips(Picture5);
    setWidthTwips(Picture1, frameWidth - 120);
    setHeightTwips(Picture1, frameHeight - 120);
    // Each presentation starts again from the drawing as loaded from disk: the
    // colouring done since is dropped.
    Picture1->setAutoRedraw(true);
    if (naturalSizeShown) {
        Picture1->paintPicture(Picture8->picture(),
                               QRectF(0, 0, Picture1->scaleWidth(), Picture1->scaleHeight()),
                               StretchMode::And);
        naturalSizeShown = false;
    } else {
        // The canvas sizes itself to the drawing.
        Picture1->setPicture(Picture8->picture());
        naturalSizeShown = true;
    }
    Picture1->setAutoRedraw(false);
    setTopTwips(Picture1, centredOffset(frameHeight, heightTwips(Picture1)));
    setLeftTwips(Picture1, centredOffset(frameWidth, widthTwips(Picture1)));
}
