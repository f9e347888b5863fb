#pragma once

#include <QImage>

// An image of this size and format, its pixels not set, like QImage(size,
// format). One of several megabytes (a canvas) lies in memory of its own from
// the system, aligned and marked for large pages where the system offers them
// on request: its first touch then costs a few dozen page faults instead of
// one every 4 KiB (8,100 for a 4K canvas). It goes back to the system when the
// last image sharing it goes. Elsewhere, or when that memory cannot be had, an
// ordinary image.
QImage largeImage(QSize size, QImage::Format format);

// Memory just taken (a block of more than a megabyte comes fresh from the
// system) that is about to be written whole: its pages come in one call
// instead of a fault each. Only the pages wholly inside are asked for.
void prepareForWriting(void *data, std::size_t bytes);
