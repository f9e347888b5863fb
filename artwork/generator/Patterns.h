#pragma once

#include <QImage>
#include <QString>

#include <vector>

// Flat pictures the generator paints in code: palettes, textures, background.

// The large palette: rows of hues from light to dark, then greys from white to black.
QImage largePalette(QSize size);
// The small palette of the simple mode: a dozen large swatches of clear colours.
QImage smallPalette(QSize size);

// A texture: its file name (the extension says the format) and its picture,
// which tiles without a seam when repeated with the picture's own size.
struct Texture {
    QString fileName;
    QImage picture;
};
std::vector<Texture> textures(QSize size);

// The window background, a calm pattern that tiles seamlessly.
QImage backgroundTile(QSize size);
