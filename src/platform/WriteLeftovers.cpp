#include "platform/WriteLeftovers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool isWriteLeftoverName(const QString &name)
{
    if (name.size() != writeTemporaryPattern.size())
        return false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar expected = writeTemporaryPattern.at(i);
        const QChar c = name.at(i);
        const bool random = expected == QLatin1Char('X');
        if (random ? !(c.isLetterOrNumber() && c.unicode() < 128) : c != expected)
            return false;
    }
    return true;
}

void removeWriteLeftovers(const QString &folder, const QDateTime &before)
{
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo &entry : entries) {
        if (isWriteLeftoverName(entry.fileName()) && entry.isFile() && !entry.isSymLink() &&
            entry.lastModified() < before)
            QFile::remove(entry.filePath());
    }
}
