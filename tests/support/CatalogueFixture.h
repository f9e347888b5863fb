#pragma once

#include "support/MainWindowFixture.h"

#include <QDirIterator>

// A main window over categories written by the test, with helpers to paint on
// the canvas the way the painting tools do and to read the files it writes.
class CatalogueFixture : public MainWindowFixture
{
protected:
    // One painting step: the tools' undo snapshot, then a 3 x 3 block of colour.
    static void paintStep(Form1 &w, QPoint at, QRgb colour)
    {
        w.SaveUndoStep();
        for (int i = 0; i < 9; ++i)
            w.Picture1->image().setPixel(at + QPoint(i % 3, i / 3), colour | 0xFF000000);
        w.Picture1->imageChanged(QRect(at, QSize(3, 3)));
    }
    // A press and release of the fill tool in a colour.
    static void fillAt(Form1 &w, QPoint at, QRgb colour)
    {
        setColour(w, colour);
        w.Picture1_Mousedown(1, 0, float(at.x()), float(at.y()));
        w.Picture1_MouseUp(1, 0, float(at.x()), float(at.y()));
    }

    static QImage rgb(const QImage &image) { return image.convertToFormat(QImage::Format_RGB32); }
    // Once every kept colouring handed to the disk is there.
    QImage fileImage(const QString &relative) const
    {
        if (window)
            window->keptColourings.waitFor();
        return rgb(QImage(app.file(relative)));
    }
    QByteArray fileBytes(const QString &relative) const
    {
        QFile file(app.file(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Every file under the application folder, as sorted relative paths.
    QStringList allFiles() const
    {
        QStringList files;
        QDirIterator it(app.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << QDir(app.path()).relativeFilePath(it.next());
        files.sort();
        return files;
    }
    QStringList soundNames() const
    {
        QStringList names;
        for (const QString &path : *sounds)
            names << QFileInfo(path).fileName();
        return names;
    }
};
