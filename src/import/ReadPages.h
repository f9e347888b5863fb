#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

// Takes one page, an opaque picture on white (Format_RGB32): its number from 1,
// and the number of pages of a PDF (0 for any other file).
using PageTaker = std::function<void(const QImage &page, int number, int pages)>;

// Reads a picture (PNG, JPEG, BMP, GIF, WebP, TIFF: its first frame, transparency
// flattened on white), an SVG, or a PDF, and hands its pages over one at a time.
// The kind comes from the file's content, not its name. Pictures keep their own
// pixels; an SVG or a PDF page is drawn as large as fits in `drawnSize`.
// Gives why the file has no pages (Spanish / English), or an empty string.
QString readPages(const QString &path, QSize drawnSize, const PageTaker &take);
