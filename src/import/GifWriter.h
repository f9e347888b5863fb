#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <vector>

// Writes one or more pictures of the same size as a GIF file; several pictures
// make an animation that loops for ever. Pixels with alpha below one half
// become transparent. Pictures with at most 255 distinct opaque colours keep
// their colours exactly (a pure black-and-white drawing gives a 2-colour
// file); richer ones are reduced to one palette shared by all frames.
// encodeGif gives the file's bytes (empty when the pictures cannot be encoded),
// writeGif writes them to a file.
QByteArray encodeGif(const std::vector<QImage> &frames, int delayCentiseconds = 0);
bool writeGif(const QString &path, const std::vector<QImage> &frames, int delayCentiseconds = 0);
