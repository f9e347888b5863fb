#include "platform/PictureIO.h"

#include <QImageReader>
#include <QSaveFile>

namespace {
QImage readFirstFrame(QImageReader &reader)
{
    reader.setDecideFormatFromContent(true);
    QImage image;
    if (!reader.read(&image))
        return {};
    return image;
}
} // namespace

QImage loadPicture(const QString &path)
{
    QImageReader reader(path);
    return readFirstFrame(reader);
}

QImage loadPicture(QIODevice *device)
{
    QImageReader reader(device);
    return readFirstFrame(reader);
}

bool writeBitmap(const QImage &image, const QString &path)
{
    if (image.isNull())
        return false;
    // Qt writes 24 bits per pixel for RGB888; RGB32 would give a 32-bit file.
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!rgb.save(&file, "BMP")) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
