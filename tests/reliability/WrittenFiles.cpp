#include "reliability/WrittenFiles.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

WrittenFiles::WrittenFiles(const QString &appFolder) : app(appFolder), seen(look())
{
}

std::map<QString, WrittenFiles::Stamp> WrittenFiles::look() const
{
    std::map<QString, Stamp> stamps;
    QStringList folders{QStringLiteral("Misdibujos")};
    for (const QString &category :
         QDir(app + QStringLiteral("/dibujos")).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        folders << QStringLiteral("dibujos/") + category;
    for (const QString &folder : folders) {
        const QDir dir(app + QLatin1Char('/') + folder);
        for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
            struct stat info;
            if (::stat(QFile::encodeName(dir.filePath(name)).constData(), &info) != 0)
                continue;
            stamps[folder + QLatin1Char('/') + name] = {
                info.st_ino, info.st_mtim.tv_sec * 1000000000LL + info.st_mtim.tv_nsec,
                info.st_size};
        }
    }
    return stamps;
}

QStringList WrittenFiles::sinceLastLook()
{
    std::map<QString, Stamp> now = look();
    QStringList written;
    for (const auto &[path, stamp] : now) {
        const auto before = seen.find(path);
        if (before == seen.end() || !(before->second == stamp))
            written << path;
    }
    seen = std::move(now);
    return written;
}
