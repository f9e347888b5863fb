#pragma once

#include <QImage>

class CompactImage;
#include <QString>

class QIODevice;

// Loads a picture file the way the program does everywhere: the format comes
// from the content, not the name, and Qt's allocation limit stays in force so
// that a header claiming an absurd size cannot exhaust memory. Animated files
// give their first frame. A file that is not a readable picture gives a null image.
QImage loadPicture(const QString &path);
QImage loadPicture(QIODevice *device);

// Writes an image as a 24-bit Windows bitmap. The file appears whole or not at
// all: the bytes go to a hidden temporary file that replaces the old one only
// once complete and on disk, so a failed or interrupted write leaves the
// previous file as it was.
bool writeBitmap(const QImage &image, const QString &path);
bool writeBitmap(const CompactImage &image, const QString &path);
