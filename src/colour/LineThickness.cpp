#include "app/Form1.h"

#include "colour/ColourMath.h"
#include "colour/Indicator.h"

void Form1::Picture4_Click()
{
    const bool wraps = penWidthWraps(penWidth);
    penWidth = static_cast<quint8>(nextPenWidth(penWidth));
    // The dots since start-up were never retained: a refresh brings back the
    // start image before the thinnest dot is painted.
    if (wraps)
        Picture4->refresh();
    Picture1->setDrawWidth(penWidth);
    Picture4->setDrawWidth(penWidth);
    paintIndicatorDot(*Picture4, toQRgb(red, green, blue));
}
