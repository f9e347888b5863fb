#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include <map>

// Watches the folders a running window writes bitmaps to (every category
// folder under "dibujos" and "Misdibujos") and tells which files were written
// since the last look: a bitmap is always written to a new file that takes
// the old one's name, so a written file shows as a new inode or a new time.
class WrittenFiles
{
public:
    explicit WrittenFiles(const QString &appFolder);

    // The files (relative to the application folder, hidden ones included)
    // created or replaced since the last call, whatever their names.
    QStringList sinceLastLook();

private:
    struct Stamp {
        unsigned long inode = 0;
        long long nanoseconds = 0;
        long long bytes = 0;
        bool operator==(const Stamp &) const = default;
    };
    std::map<QString, Stamp> look() const;

    QString app;
    std::map<QString, Stamp> seen;
};
