#include "canvas/PictureToIcon.h"

#include "canvas/CursorImage.h"

#include <QPixmap>

QCursor PictureToIcon(const QImage &picture, int width, int height, int stretchMode,
                      [[maybe_unused]] int kind, qint64 transparentColour)
{
    const QImage image = makeCursorImage(picture, width, height, stretchMode, transparentColour);
    return QCursor(QPixmap::fromImage(image), 0, 0);
}
