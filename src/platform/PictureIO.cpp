#include "platform/PictureIO.h"

#include "platform/CompactImage.h"
#include "platform/FileSearch.h"
#include "platform/WriteLeftovers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryFile>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
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

void putLittleEndian(char *to, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        to[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A Windows bitmap of 24 bits a pixel, rows from the bottom up, each padded to
// four bytes, converted a few rows at a time: a picture on its way to disk
// needs no second picture of three quarters of its size.
bool writeBitmapRows(QSize size, const std::function<void(int, QRgb *)> &rowAt, QIODevice &file)
{
    const int width = size.width(), height = size.height();
    const quint32 rowBytes = (static_cast<quint32>(width) * 3 + 3) & ~3u;
    const quint32 pixelBytes = rowBytes * static_cast<quint32>(height);
    constexpr quint32 dotsPerMetre = 3780; // 96 dots an inch
    char header[54] = {'B', 'M'};
    putLittleEndian(header + 2, 54 + pixelBytes, 4); // the file's size
    putLittleEndian(header + 10, 54, 4);             // where the pixels start
    putLittleEndian(header + 14, 40, 4);             // the second header's size
    putLittleEndian(header + 18, static_cast<quint32>(width), 4);
    putLittleEndian(header + 22, static_cast<quint32>(height), 4);
    putLittleEndian(header + 26, 1, 2);  // planes
    putLittleEndian(header + 28, 24, 2); // bits a pixel, no compression
    putLittleEndian(header + 34, pixelBytes, 4);
    putLittleEndian(header + 38, dotsPerMetre, 4);
    putLittleEndian(header + 42, dotsPerMetre, 4);
    if (file.write(header, sizeof header) != sizeof header)
        return false;
    constexpr int rowsAtOnce = 64;
    std::vector<QRgb> pixels(static_cast<std::size_t>(width));
    QByteArray rows(static_cast<qsizetype>(rowBytes) * rowsAtOnce, '\0');
    for (int first = height - 1; first >= 0; first -= rowsAtOnce) {
        const int count = std::min(rowsAtOnce, first + 1);
        for (int i = 0; i < count; ++i) {
            rowAt(first - i, pixels.data());
            auto *to =
                reinterpret_cast<uchar *>(rows.data()) + static_cast<qsizetype>(i) * rowBytes;
            for (const QRgb pixel : pixels) {
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
bool writeBitmapAtomically(QSize size, const std::function<void(int, QRgb *)> &rowAt,
                           const QString &path)
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
        [&source](int y, QRgb *pixels) {
            std::memcpy(pixels, source.constScanLine(y),
                        static_cast<std::size_t>(source.width()) * sizeof(QRgb));
        },
        path);
}

bool writeBitmap(const CompactImage &image, const QString &path)
{
    return writeBitmapAtomically(
        image.imageSize(), [&image](int y, QRgb *pixels) { image.readRow(y, pixels); }, path);
}
