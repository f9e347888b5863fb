#include "platform/FileSearch.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace
{
constexpr qint64 firstLineLimit = 4096;
constexpr QDir::Filters everyEntry =
    QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;
} // namespace

QString findFile(const QString &path)
{
    const QFileInfo info(path);
    const QString wanted = info.fileName();
    if (wanted.isEmpty())
        return {};
    if (info.exists())
        return wanted;
    QDirIterator entries(info.absolutePath(), everyEntry);
    while (entries.hasNext()) {
        entries.next();
        const QString name = entries.fileName();
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return name;
    }
    return {};
}

bool isSpecialFile(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

FolderListing::FolderListing(const QString &folder)
{
    QDirIterator entries(folder, everyEntry);
    while (entries.hasNext()) {
        entries.next();
        const QString name = entries.fileName();
        names.insert(name);
        const QString folded = name.toCaseFolded();
        if (!byFoldedName.contains(folded)) // the first in folder order answers, as in findFile
            byFoldedName.insert(folded, name);
    }
}

QString FolderListing::find(const QString &name) const
{
    if (name.isEmpty())
        return {};
    if (names.contains(name))
        return name;
    return byFoldedName.value(name.toCaseFolded());
}

bool readFirstLine(const QString &path, QString *line)
{
    if (isSpecialFile(path))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(firstLineLimit);
    qsizetype end = 0;
    while (end < head.size() && head[end] != '\r' && head[end] != '\n')
        ++end;
    *line = QString::fromUtf8(head.left(end));
    return true;
}
