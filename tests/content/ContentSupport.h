#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <vector>

// Helpers for the tests of the generated default content, which lies in the
// application folder of the build (TINTARO_APP_DIR).

QString appPath(const QString &relative);

// A category as the program finds it: a logo file in logos/ and the drawings
// of dibujos/<logo name less its last four characters>/.
struct ContentCategory {
    QString logo;
    QString base;
    int drawingCount = 0;  // 1.gif, 2.gif, … up to the first missing number
    int highestNumber = 0; // the highest n of any n.gif in the folder
};

// The categories in the program's order (logo names without regard to case).
std::vector<ContentCategory> contentCategories();

// Paths of every drawing of every category, in catalogue order.
QStringList allDrawingPaths();

// The first pixel that is neither pure black nor pure white, or (-1, -1).
QPoint firstGreyPixel(const QImage &image);

// The first black pixel that lies in no all-black square of side `side`, or
// (-1, -1): with side 3, no black line anywhere is thinner than 3 pixels.
QPoint firstBlackPixelOutsideSquares(const QImage &image, int side);

// The share of black pixels that lie in some all-black square of side `side`:
// near 1 for bold strokes wider than the square, near 0 for thin ones.
double shareOfBlackInSquares(const QImage &image, int side);

// The 4-connected white components of a picture: each white pixel's component
// number (black pixels have -1), and per component its size and whether a
// fill started inside it stays inside (it does not touch the border).
struct WhiteAreas {
    int width = 0;
    std::vector<int> component;
    std::vector<int> size;
    std::vector<bool> closed;
    int at(QPoint p) const { return component[size_t(p.y()) * width + p.x()]; }
};
WhiteAreas labelWhiteAreas(const QImage &image);

// The sizes of the white areas a 4-connected fill started inside cannot leak
// out of: the 4-connected white components that do not touch the border.
std::vector<int> closedWhiteAreas(const QImage &image);

// How many of those areas have at least minPixels pixels.
int countAreasOfAtLeast(const std::vector<int> &areas, int minPixels);
