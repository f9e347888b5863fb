#include "platform/ImageHolder.h"

#include <QMouseEvent>
#include <QPixmap>

ImageHolder::ImageHolder(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void ImageHolder::setPicture(const QImage &picture)
{
    held = picture;
    if (!storageOnly)
        setPixmap(picture.isNull() ? QPixmap() : QPixmap::fromImage(picture));
}

void ImageHolder::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
