#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <vector>

// Renders an SVG file with anti-aliasing onto a transparent picture of the given size.
QImage renderPicture(const QString &svgPath, QSize size);

// The frames of an animation kept in one SVG file: groups with the ids
// "frame1", "frame2", … that start hidden (display="none"); frame k is the
// drawing with group k shown and the others hidden. Everything outside the
// groups is part of every frame. Empty when the file has no such groups.
std::vector<QImage> renderFrames(const QString &svgPath, QSize size);
