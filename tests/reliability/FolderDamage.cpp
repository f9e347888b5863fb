#include "reliability/FolderDamage.h"

#include "platform/PictureIO.h"
#include "support/TempAppFolder.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
QByteArray pngOf(const QByteArray &original)
{
    QBuffer in;
    in.setData(original);
    QImage picture = loadPicture(&in);
    if (picture.isNull())
        picture = lineDrawing(60, 40);
    QByteArray png;
    QBuffer out(&png);
    out.open(QIODevice::WriteOnly);
    picture.save(&out, "PNG");
    return png;
}

void replaceByFolder(const QString &path)
{
    QFile::remove(path);
    QDir().mkpath(path);
    QFile inside(path + QStringLiteral("/dentro.txt"));
    if (inside.open(QIODevice::WriteOnly))
        inside.write("A file inside a folder named like a picture.\n");
}

bool setImmutable(const QString &path, bool on)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}
} // namespace

const char *damageName(FileDamage damage)
{
    switch (damage) {
    case FileDamage::ZeroBytes:
        return "ZeroBytes";
    case FileDamage::Truncated:
        return "Truncated";
    case FileDamage::TextFile:
        return "TextFile";
    case FileDamage::PngContent:
        return "PngContent";
    case FileDamage::HugeBmpHeader:
        return "HugeBmpHeader";
    case FileDamage::UpperCaseName:
        return "UpperCaseName";
    case FileDamage::Missing:
        return "Missing";
    case FileDamage::Folder:
        return "Folder";
    case FileDamage::NamedPipe:
        return "NamedPipe";
    }
    return "?";
}

const char *damageName(FolderDamage damage)
{
    switch (damage) {
    case FolderDamage::Missing:
        return "Missing";
    case FolderDamage::Empty:
        return "Empty";
    case FolderDamage::File:
        return "File";
    case FolderDamage::NoPermissions:
        return "NoPermissions";
    }
    return "?";
}

QByteArray bitmapHeaderOnly(int width, int height)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const quint32 rowBytes = (static_cast<quint32>(width) * 3 + 3) & ~3u;
    out.writeRawData("BM", 2);
    out << quint32(54 + rowBytes * static_cast<quint32>(height)) << quint32(0) << quint32(54);
    out << quint32(40) << qint32(width) << qint32(height) << quint16(1) << quint16(24);
    out << quint32(0) << quint32(0) << qint32(2835) << qint32(2835) << quint32(0) << quint32(0);
    out.writeRawData(QByteArray(64, '\x7f').constData(), 64);
    return bytes;
}

void damageFile(const ContentSandbox &box, const QString &relative, FileDamage damage)
{
    const QString path = box.file(relative);
    const QByteArray original = box.readBytes(relative);
    switch (damage) {
    case FileDamage::ZeroBytes:
        box.writeBytes(relative, {});
        break;
    case FileDamage::Truncated:
        box.writeBytes(relative, original.left(original.size() / 2));
        break;
    case FileDamage::TextFile:
        box.writeBytes(relative, "Esto no es un dibujo.\r\n");
        break;
    case FileDamage::PngContent:
        box.writeBytes(relative, pngOf(original));
        break;
    case FileDamage::HugeBmpHeader:
        box.writeBytes(relative, bitmapHeaderOnly(60000, 60000));
        break;
    case FileDamage::UpperCaseName: {
        const QFileInfo info(path);
        QFile::rename(path, info.path() + QLatin1Char('/') + info.fileName().toUpper());
        break;
    }
    case FileDamage::Missing:
        QFile::remove(path);
        break;
    case FileDamage::Folder:
        replaceByFolder(path);
        break;
    case FileDamage::NamedPipe:
        QFile::remove(path);
        QDir().mkpath(QFileInfo(path).path());
        ::mkfifo(QFile::encodeName(path).constData(), 0644);
        break;
    }
}

void damageFolder(const ContentSandbox &box, const QString &relative, FolderDamage damage)
{
    const QString path = relative.isEmpty() ? box.appPath() : box.file(relative);
    switch (damage) {
    case FolderDamage::Missing:
        QDir(path).removeRecursively();
        break;
    case FolderDamage::Empty:
        QDir(path).removeRecursively();
        QDir().mkpath(path);
        break;
    case FolderDamage::File: {
        QDir(path).removeRecursively();
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write("A file where a folder should be.\n");
        break;
    }
    case FolderDamage::NoPermissions:
        QFile::setPermissions(path, {});
        break;
    }
}

void restoreFolderPermissions(const QString &root)
{
    const auto usual = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                       QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    if (QFileInfo(root).isDir())
        QFile::setPermissions(root, usual);
    QDirIterator it(root, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        QFile::setPermissions(it.next(), usual);
}

ReadOnlyTree::ReadOnlyTree(const QString &root)
{
    paths << root;
    QDirIterator it(root, QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        paths << it.next();
    if (::geteuid() != 0) {
        for (const QString &path : paths)
            QFile::setPermissions(path, QFile::permissions(path) &
                                            ~(QFile::WriteOwner | QFile::WriteUser |
                                              QFile::WriteGroup | QFile::WriteOther));
        locked = true;
        return;
    }
    // Should the test die before the flags come off again, the sandbox stays
    // behind in the temporary folder until someone runs chattr -R -i on it.
    immutable = true;
    locked = true;
    for (const QString &path : paths)
        locked = setImmutable(path, true) && locked;
}

ReadOnlyTree::~ReadOnlyTree()
{
    if (immutable) {
        for (const QString &path : paths)
            setImmutable(path, false);
    } else {
        for (const QString &path : paths)
            QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner);
    }
}
