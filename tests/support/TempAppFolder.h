#pragma once

#include "support/Pictures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// An application folder made by a test: content written in code, removed at the end.
class TempAppFolder
{
public:
    QString path() const { return dir.path(); }
    QString file(const QString &relative) const { return dir.path() + '/' + relative; }
    bool exists(const QString &relative) const { return QFile::exists(file(relative)); }
    void makeFolder(const QString &relative) const { QDir(dir.path()).mkpath(relative); }

    void writeText(const QString &relative, const QByteArray &bytes) const
    {
        QFile out(withParent(relative));
        if (out.open(QIODevice::WriteOnly))
            out.write(bytes);
    }

    // In the format the name says; a .gif gets PNG content, which the program's
    // loader accepts by its content.
    void writePicture(const QString &relative, const QImage &image) const
    {
        const QString suffix = relative.section('.', -1).toLower();
        image.save(withParent(relative),
                   suffix == "bmp" ? "BMP" : (suffix == "jpg" ? "JPG" : "PNG"));
    }

private:
    QString withParent(const QString &relative) const
    {
        QDir(dir.path()).mkpath(QFileInfo(file(relative)).path());
        return file(relative);
    }

    QTemporaryDir dir;
};
