#include "platform/PictureFit.h"

QSize fittedSize(QSize picture, QSize room)
{
    if (room.isEmpty() || (picture.width() <= room.width() && picture.height() <= room.height()))
        return picture;
    return picture.scaled(room, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

QImage fitPicture(const QImage &picture, QSize room)
{
    const QSize size = fittedSize(picture.size(), room);
    if (size == picture.size())
        return picture;
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}
