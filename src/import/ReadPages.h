#pragma once

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

// The pages of one input file, each an opaque picture on white (Format_RGB32).
struct SourcePages {
    QList<QImage> pages;
    bool isPdf = false;
    QString error; // why the file gives no pages (Spanish / English); empty otherwise
};

// Reads a picture (PNG, JPEG, BMP, GIF, WebP, TIFF: its first frame, transparency
// flattened on white), an SVG, or every page of a PDF. The kind comes from the
// file's content, not its name. Pictures keep their own pixels; an SVG or a PDF
// page is drawn as large as fits in `drawnSize`.
SourcePages readPages(const QString &path, QSize drawnSize);
