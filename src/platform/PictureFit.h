#pragma once

#include <QImage>
#include <QSize>

// Pictures that size their control to themselves (the palette, the tool
// icons, the tool animation) are kept to the control's place in the window:
// one larger than its place is shown scaled down to fit, so that it never
// covers another control and every part of it can still be reached.

// The size a picture of `picture` is shown at in a place of `room`: its own
// when it fits, else the largest size of the same proportions that fits
// (at least one pixel each way). An empty room limits nothing.
QSize fittedSize(QSize picture, QSize room);

// The picture at fittedSize, scaled without smoothing: every pixel shown is a
// pixel of the picture, so a colour read from it is one the picture has.
QImage fitPicture(const QImage &picture, QSize room);
