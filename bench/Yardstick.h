#pragma once

#include <QImage>
#include <QPoint>

// cv::floodFill as the outside yardstick for the fills: 4-connected, exact
// colour, working on the image's own pixels. Available when OpenCV was found
// at configure time.
bool yardstickAvailable();

// Fills the area of the seed pixel's colour with `fill`, as floodFillSurface does.
void yardstickFill(QImage &image, QPoint seed, QRgb fill);
