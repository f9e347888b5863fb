#include "platform/PictureIO.h"

#include "platform/CompactImage.h"
#include "platform/FileSearch.h"
#include "platform/WriteLeftovers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryFile>
#include <QtEndian>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <span>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace
{
QImage readFirstFrame(QImageReader &reader)
{
    reader.setDecideFormatFromContent(true);
    QImage image;
    if (!reader.read(&image))
        return {};
    return image;
}

// A replaced file keeps its permissions; a new one gets the usual ones for
// the user (a temporary file alone would be readable by its owner only).
mode_t permissionsFor(const QFileInfo &target)
{
    struct stat existing;
    if (::stat(QFile::encodeName(target.absoluteFilePath()).constData(), &existing) == 0)
        return existing.st_mode & 07777;
    // umask() can only be read by setting it: done once, so that a write on
    // another thread does not meet the process's files made without a mask.
    static const mode_t mask = [] {
        const mode_t current = ::umask(0);
        ::umask(current);
        return current;
    }();
    return 0666 & ~mask;
}

// A Windows bitmap of 24 bits a pixel, rows from the bottom up, each padded to
// four bytes, converted a few rows at a time: a picture on its way to disk
// needs no second picture of three quarters of its size. `rowAt(y, scratch)`
// gives row y's pixels, in `scratch` (a row's room) or where they are.
using RowSource = std::function<const QRgb *(int, QRgb *)>;
bool writeBitmapRows(QSize size, const RowSource &rowAt, QIODevice &file)
{
    const int width = size.width(), height = size.height();
    const quint32 rowBytes = (static_cast<quint32>(width) * 3 + 3) & ~3u;
    const quint32 pixelBytes = rowBytes * static_cast<quint32>(height);
    constexpr quint32 dotsPerMetre = 3780; // 96 dots an inch
    char header[54] = {'B', 'M'};
    qToLittleEndian<quint32>(54 + pixelBytes, header + 2); // the file's size
    qToLittleEndian<quint32>(54, header + 10);             // where the pixels start
    qToLittleEndian<quint32>(40, header + 14);             // the second header's size
    qToLittleEndian<quint32>(static_cast<quint32>(width), header + 18);
    qToLittleEndian<quint32>(static_cast<quint32>(height), header + 22);
    qToLittleEndian<quint16>(1, header + 26);  // planes
    qToLittleEndian<quint16>(24, header + 28); // bits a pixel, no compression
    qToLittleEndian<quint32>(pixelBytes, header + 34);
    qToLittleEndian<quint32>(dotsPerMetre, header + 38);
    qToLittleEndian<quint32>(dotsPerMetre, header + 42);
    if (file.write(header, sizeof header) != sizeof header)
        return false;
    constexpr int rowsAtOnce = 64;
    std::vector<QRgb> scratch(static_cast<std::size_t>(width));
    QByteArray rows(static_cast<qsizetype>(rowBytes) * rowsAtOnce, '\0');
    for (int first = height - 1; first >= 0; first -= rowsAtOnce) {
        const int count = std::min(rowsAtOnce, first + 1);
        for (int i = 0; i < count; ++i) {
            const QRgb *pixels = rowAt(first - i, scratch.data());
            auto *to =
                reinterpret_cast<uchar *>(rows.data()) + static_cast<qsizetype>(i) * rowBytes;
            for (const QRgb pixel : std::span(pixels, scratch.size())) {
                *to++ = static_cast<uchar>(qBlue(pixel));
                *to++ = static_cast<uchar>(qGreen(pixel));
                *to++ = static_cast<uchar>(qRed(pixel));
            }
        }
        const qint64 bytes = static_cast<qint64>(rowBytes) * count;
        if (file.write(rows.constData(), bytes) != bytes)
            return false;
    }
    return true;
}

// The bytes go to a hidden file beside the target, reach the disk, and only
// then take the target's name in one step. A crash leaves at most a hidden
// leftover, which the folder lists never show.
bool writeBitmapAtomically(QSize size, const RowSource &rowAt, const QString &path)
{
    if (size.isEmpty())
        return false;
    const QFileInfo target(path);
    QTemporaryFile temporary(target.absolutePath() + QLatin1Char('/') + writeTemporaryPattern);
    if (!temporary.open() || !writeBitmapRows(size, rowAt, temporary) || !temporary.flush())
        return false;
    if (::fchmod(temporary.handle(), permissionsFor(target)) != 0 ||
        ::fsync(temporary.handle()) != 0)
        return false;
    if (::rename(QFile::encodeName(temporary.fileName()).constData(),
                 QFile::encodeName(target.absoluteFilePath()).constData()) != 0)
        return false;
    temporary.setAutoRemove(false);
    return true;
}
} // namespace

QImage loadPicture(const QString &path)
{
    // Opening a file goes without regard to letter case, so content copied from a
    // disk that ignores case still opens: a teacher's "1.GIF" is drawing 1.
    QString actual = path;
    if (!QFileInfo::exists(path)) {
        const QString stored = findFile(path);
        if (!stored.isEmpty())
            actual = QFileInfo(path).dir().filePath(stored);
    }
    if (isSpecialFile(actual))
        return {};
    QImageReader reader(actual);
    return readFirstFrame(reader);
}

QImage loadPicture(QIODevice *device)
{
    QImageReader reader(device);
    return readFirstFrame(reader);
}

bool writeBitmap(const QImage &image, const QString &path)
{
    const QImage source = image.format() == QImage::Format_RGB32
                              ? image
                              : image.convertToFormat(QImage::Format_RGB32);
    return writeBitmapAtomically(
        source.size(),
        [&source](int y, QRgb *) {
            return reinterpret_cast<const QRgb *>(source.constScanLine(y));
        },
        path);
}

bool writeBitmap(const CompactImage &image, const QString &path)
{
    return writeBitmapAtomically(
        image.imageSize(),
        [&image](int y, QRgb *scratch) {
            image.readRow(y, scratch);
            return static_cast<const QRgb *>(scratch);
        },
        path);
}
