#pragma once

#include <QImage>

class QMimeData;

// Clipboard data for a picture, held as PNG: a colouring compresses to a small
// part of its size, where the picture itself would stay in memory, as large as
// the canvas, for as long as it is on the clipboard. Programs that paste get
// the picture as PNG, or in any other picture format through Qt, decoded only
// when they ask. The clipboard takes ownership of the data.
QMimeData *clipboardPicture(const QImage &picture);
