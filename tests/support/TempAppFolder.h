#pragma once

#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

// An application folder made by a test: content written in code, removed at the end.
class TempAppFolder
{
public:
    QString path() const { return dir.path(); }
    QString file(const QString &relative) const { return dir.path() + QLatin1Char('/') + relative; }

    void makeFolder(const QString &relative) const { QDir(dir.path()).mkpath(relative); }

    void writeText(const QString &relative, const QByteArray &bytes) const
    {
        makeParent(relative);
        QFile out(file(relative));
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
    }

    // Writes a picture in the format the name says (gif falls back to png
    // content, which the program's loader accepts by its content).
    void writePicture(const QString &relative, const QImage &image) const
    {
        makeParent(relative);
        const QString suffix = relative.section(QLatin1Char('.'), -1).toLower();
        const char *format = suffix == QLatin1String("bmp")   ? "BMP"
                             : suffix == QLatin1String("jpg") ? "JPG"
                                                              : "PNG";
        image.save(file(relative), format);
    }

    bool exists(const QString &relative) const { return QFile::exists(file(relative)); }

private:
    void makeParent(const QString &relative) const
    {
        QDir(dir.path()).mkpath(QFileInfo(file(relative)).path());
    }

    QTemporaryDir dir;
};

// A white picture of the given size with a black frame and one black cross,
// so that it has four closed areas; mark gives each drawing its own look.
inline QImage lineDrawing(int width, int height, int mark = 0)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(255, 255, 255));
    for (int x = 0; x < width; ++x) {
        image.setPixel(x, 0, qRgb(0, 0, 0));
        image.setPixel(x, height - 1, qRgb(0, 0, 0));
        image.setPixel(x, height / 2, qRgb(0, 0, 0));
    }
    for (int y = 0; y < height; ++y) {
        image.setPixel(0, y, qRgb(0, 0, 0));
        image.setPixel(width - 1, y, qRgb(0, 0, 0));
        image.setPixel((width / 2 + mark) % width, y, qRgb(0, 0, 0));
    }
    return image;
}
