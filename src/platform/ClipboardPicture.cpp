#include "platform/ClipboardPicture.h"

#include <QBuffer>
#include <QMimeData>
#include <QStringList>

namespace
{
const QString pngType = QStringLiteral("image/png");
const QString qtImageType = QStringLiteral("application/x-qt-image");

class PngPicture : public QMimeData
{
public:
    explicit PngPicture(QByteArray bytes) : png(std::move(bytes)) {}

    QStringList formats() const override { return {pngType, qtImageType}; }
    bool hasFormat(const QString &type) const override
    {
        return type == pngType || type == qtImageType;
    }

protected:
    QVariant retrieveData(const QString &type, QMetaType) const override
    {
        if (type == pngType)
            return png;
        if (type == qtImageType)
            return QImage::fromData(png, "PNG");
        return {};
    }

private:
    QByteArray png;
};
} // namespace

QMimeData *clipboardPicture(const QImage &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // Quality 80 is zlib's fastest level: a double click must not keep the
    // child waiting, and flat colours compress well at any level.
    picture.save(&buffer, "PNG", 80);
    return new PngPicture(std::move(bytes));
}
