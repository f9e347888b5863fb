#include "platform/PictureIO.h"

#include "platform/FileSearch.h"
#include "platform/WriteLeftovers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryFile>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

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
    if (image.isNull())
        return false;
    // Qt writes 24 bits per pixel for RGB888; RGB32 would give a 32-bit file.
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    // The bytes go to a hidden file beside the target, reach the disk, and only
    // then take the target's name in one step. A crash leaves at most a hidden
    // leftover, which the folder lists never show.
    const QFileInfo target(path);
    QTemporaryFile temporary(target.absolutePath() + QLatin1Char('/') + writeTemporaryPattern);
    if (!temporary.open() || !rgb.save(&temporary, "BMP") || !temporary.flush())
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
