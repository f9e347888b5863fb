#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

// Takes one page, an opaque picture on white (Format_RGB32): its number from 1,
// the number of pages of a PDF or a TIFF of several (0 for any other file), and
// the page's pixels per pixel of the picture (1, or less for a picture read
// scaled down).
using PageTaker = std::function<void(const QImage &page, int number, int pages, double scale)>;

// A picture of more pixels than this (a page scanned at more than 600 dots an
// inch) is read scaled down to this many.
inline constexpr qint64 largestPicturePixels = 32'000'000;

// Reads a picture (PNG, JPEG, BMP, GIF, WebP, TIFF: its first frame, or every
// page of a TIFF; transparency flattened on white), an SVG, or a PDF, and hands
// its pages over one at a time (the number of pages is 0 for a single picture).
// The kind comes from the file's content, not its name. Pictures keep their own
// pixels up to largestPicturePixels; an SVG or a PDF page is drawn as large as
// fits in `drawnSize` (scale 1).
// Gives why the file has no pages (Spanish / English), or an empty string.
QString readPages(const QString &path, QSize drawnSize, const PageTaker &take);
