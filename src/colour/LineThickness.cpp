#include "app/Form1.h"

#include "colour/Indicator.h"

void Form1::Picture4_Click()
{
    const bool wraps = penWidth.next();
    // The dots since start-up were never retained: a refresh brings back the
    // start image before the thinnest dot is painted.
    if (wraps)
        Picture4->refresh();
    Picture1->setDrawWidth(penWidth.width());
    Picture4->setDrawWidth(penWidth.width());
    paintIndicatorDot(*Picture4, paint.rgb());
}
