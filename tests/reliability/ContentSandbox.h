#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <map>

// A fresh copy of the default content for one test, inside a sandbox folder:
// <sandbox>/app is the application folder, and <sandbox>/beside holds a file
// that the program has no business touching. Only the generated content is
// copied: not the executable, not the kept colourings or saved colourings a
// manual run may have left in the build's folder.
class ContentSandbox
{
public:
    ContentSandbox();

    QString root() const { return dir.path(); }
    QString appPath() const { return dir.path() + QStringLiteral("/app"); }
    QString file(const QString &relative) const { return appPath() + QLatin1Char('/') + relative; }
    // True when the default content was found and copied.
    bool hasContent() const { return copied > 0; }

    void writeBytes(const QString &relative, const QByteArray &bytes) const;
    QByteArray readBytes(const QString &relative) const;

private:
    QTemporaryDir dir;
    int copied = 0;
};

// Every entry under a folder, by path relative to it. Ordinary files come with
// their bytes; folders and anything else (pipes, links that lead nowhere) are
// listed by name only, and never opened, so that taking a snapshot cannot block.
struct FolderSnapshot {
    std::map<QString, QByteArray> files;
    QStringList folders;
    QStringList others;
};

FolderSnapshot takeSnapshot(const QString &root);
