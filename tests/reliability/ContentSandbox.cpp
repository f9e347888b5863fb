#include "reliability/ContentSandbox.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace
{
// What a manual run of the program leaves in the build's folder, and the
// program itself: none of it is default content.
bool isGeneratedContent(const QString &relative)
{
    static const QRegularExpression notContent(
        QStringLiteral("^(tintaro|Misdibujos/.*|dibujos/[^/]+/[0-9]+\\.bmp|.*/\\.[^/]*)$"));
    return !notContent.match(relative).hasMatch();
}

// A plain copy: QFile::copy would also wait for each file to reach the disk,
// which a throw-away copy does not need.
bool copyFile(const QString &from, const QString &to)
{
    QFile in(from), out(to);
    return in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly) &&
           out.write(in.readAll()) == in.size();
}

int copyContent(const QString &from, const QString &to)
{
    int copied = 0;
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString relative = QDir(from).relativeFilePath(source);
        if (!isGeneratedContent(relative))
            continue;
        if (it.fileInfo().isDir()) {
            QDir(to).mkpath(relative);
        } else {
            QDir(to).mkpath(QFileInfo(relative).path());
            copied += copyFile(source, to + QLatin1Char('/') + relative) ? 1 : 0;
        }
    }
    return copied;
}
} // namespace

ContentSandbox::ContentSandbox()
{
    copied = copyContent(QStringLiteral(TINTARO_APP_DIR), appPath());
    QDir(root()).mkpath(QStringLiteral("app/Misdibujos"));
    QDir(root()).mkpath(QStringLiteral("beside"));
    QFile keep(root() + QStringLiteral("/beside/notes.txt"));
    if (keep.open(QIODevice::WriteOnly))
        keep.write("A file beside the application folder.\n");
}

void ContentSandbox::writeBytes(const QString &relative, const QByteArray &bytes) const
{
    QDir(appPath()).mkpath(QFileInfo(relative).path());
    QFile out(file(relative));
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        out.write(bytes);
}

QByteArray ContentSandbox::readBytes(const QString &relative) const
{
    QFile in(file(relative));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

FolderSnapshot takeSnapshot(const QString &root)
{
    FolderSnapshot snapshot;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        const QString relative = QDir(root).relativeFilePath(path);
        if (info.isSymLink() || (!info.isFile() && !info.isDir())) {
            snapshot.others << relative;
        } else if (info.isDir()) {
            snapshot.folders << relative;
        } else {
            QFile file(path);
            snapshot.files[relative] =
                file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }
    }
    snapshot.folders.sort();
    snapshot.others.sort();
    return snapshot;
}
