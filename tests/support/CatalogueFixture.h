#pragma once

#include "support/MainWindowFixture.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

// A main window over categories written by the test, with helpers to paint on
// the canvas the way the painting tools do and to read what it shows.
class CatalogueFixture : public MainWindowFixture
{
protected:
    // Category "name" with `count` drawings of w x h; drawing n is marked n.
    // Its logo is a plain picture of the given colour.
    void writeCategory(const QString &name, int count, QRgb logoColour = qRgb(200, 100, 0),
                       int w = 60, int h = 40)
    {
        QImage logo(20, 20, QImage::Format_RGB32);
        logo.fill(logoColour);
        app.writePicture("logos/" + name + ".gif", logo);
        for (int n = 1; n <= count; ++n)
            app.writePicture(QString("dibujos/%1/%2.gif").arg(name).arg(n), lineDrawing(w, h, n));
    }

    // One painting step: the canvas tools' undo snapshot (which also marks the
    // drawing as changed), then a 3 x 3 block of colour.
    static void paintStep(Form1 &w, QPoint at, QRgb colour)
    {
        w.SaveUndoStep();
        QImage &canvas = w.Picture1->image();
        for (int dy = 0; dy < 3; ++dy)
            for (int dx = 0; dx < 3; ++dx)
                canvas.setPixel(at + QPoint(dx, dy), colour | 0xFF000000);
        w.Picture1->imageChanged(QRect(at, QSize(3, 3)));
    }

    // A press of the fill tool at a point of the canvas, in a colour.
    static void fillAt(Form1 &w, QPoint at, QRgb colour)
    {
        w.red = qRed(colour);
        w.green = qGreen(colour);
        w.blue = static_cast<qint16>(qBlue(colour));
        w.Picture1_Mousedown(1, 0, static_cast<float>(at.x()), static_cast<float>(at.y()));
        w.Picture1_MouseUp(1, 0, static_cast<float>(at.x()), static_cast<float>(at.y()));
    }

    static QImage canvas(const Form1 &w)
    {
        return w.Picture1->image().convertToFormat(QImage::Format_RGB32);
    }

    static QImage rgb(const QImage &image) { return image.convertToFormat(QImage::Format_RGB32); }

    QImage fileImage(const QString &relative) const { return rgb(QImage(app.file(relative))); }

    QByteArray fileBytes(const QString &relative) const
    {
        QFile file(app.file(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Every file under the application folder, as relative paths.
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
