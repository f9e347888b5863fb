#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Renders an SVG line drawing to a picture that holds nothing but pure black
// (#000000) and pure white (#FFFFFF), ready for exact-colour flood fills.
// After thresholding, pinholes where strokes cross are filled and every black
// pixel is made part of a 3 x 3 black square, so no line is thinner than 3 px.
// Returns a null image when the file is not a readable SVG.
QImage renderLineArt(const QString &svgPath, QSize size);

// The clean-up steps on their own, for pictures already thresholded
// (Format_RGB32, black and white only).
void fillPinholes(QImage &image, int maxHoleArea);
void keepOnlyThickBlack(QImage &image);
