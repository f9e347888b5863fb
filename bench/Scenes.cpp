#include "Scenes.h"

#include <algorithm>
#include <random>
#include <vector>

namespace
{

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;
constexpr int kLine = 4;    // line thickness of the drawing
constexpr int kMargin = 16; // kept free of shapes, so the press is on the background

void blackBar(QImage &image, int x, int y, int width, int height)
{
    for (int row = y; row < y + height; ++row)
        std::fill_n(reinterpret_cast<QRgb *>(image.scanLine(row)) + x, width, kBlack);
}

void circleOutline(QImage &image, int cx, int cy, int radius)
{
    const int inner = (radius - kLine / 2) * (radius - kLine / 2);
    const int outer = (radius + kLine / 2) * (radius + kLine / 2);
    for (int y = cy - radius - kLine; y <= cy + radius + kLine; ++y)
        for (int x = cx - radius - kLine; x <= cx + radius + kLine; ++x) {
            const int d = (x - cx) * (x - cx) + (y - cy) * (y - cy);
            if (d >= inner && d < outer)
                image.setPixel(x, y, kBlack);
        }
}

void rectangleOutline(QImage &image, const QRect &r)
{
    blackBar(image, r.x(), r.y(), r.width(), kLine);
    blackBar(image, r.x(), r.bottom() - kLine + 1, r.width(), kLine);
    blackBar(image, r.x(), r.y(), kLine, r.height());
    blackBar(image, r.right() - kLine + 1, r.y(), kLine, r.height());
}

} // namespace

Scene wholeCanvas(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(kWhite);
    return {"Whole", image, QPoint(size.width() / 2, size.height() / 2)};
}

Scene lineDrawing(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(kWhite);
    std::mt19937 random(11);
    const int w = size.width();
    const int h = size.height();
    const int shapes = std::max(12, w * h / 200000);
    const int smallest = h / 40;
    const int largest = h / 8;
    for (int i = 0; i < shapes; ++i) {
        const int radius = smallest + int(random() % (largest - smallest));
        const int span = kMargin + radius + kLine;
        const int cx = span + int(random() % (w - 2 * span));
        const int cy = span + int(random() % (h - 2 * span));
        if (i % 2)
            circleOutline(image, cx, cy, radius);
        else
            rectangleOutline(image,
                             QRect(cx - radius, cy - radius * 2 / 3, 2 * radius, radius * 4 / 3));
    }
    return {"Drawing", image, QPoint(2, 2)};
}

Scene corridorMaze(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(kBlack);
    // Cells at odd pixel positions, carved by a depth-first walk that knocks
    // down the wall pixel between a cell and the next.
    const int cols = (size.width() - 1) / 2;
    const int rows = (size.height() - 1) / 2;
    std::vector<bool> visited(std::size_t(cols) * rows, false);
    std::vector<int> path{0};
    visited[0] = true;
    image.setPixel(1, 1, kWhite);
    std::mt19937 random(4);
    while (!path.empty()) {
        const int cell = path.back();
        const int cx = cell % cols;
        const int cy = cell / cols;
        int next[4];
        int options = 0;
        if (cx > 0 && !visited[cell - 1])
            next[options++] = cell - 1;
        if (cx + 1 < cols && !visited[cell + 1])
            next[options++] = cell + 1;
        if (cy > 0 && !visited[cell - cols])
            next[options++] = cell - cols;
        if (cy + 1 < rows && !visited[cell + cols])
            next[options++] = cell + cols;
        if (options == 0) {
            path.pop_back();
            continue;
        }
        const int chosen = next[random() % options];
        visited[chosen] = true;
        const int nx = chosen % cols;
        const int ny = chosen / cols;
        image.setPixel(2 * nx + 1, 2 * ny + 1, kWhite);
        image.setPixel(cx + nx + 1, cy + ny + 1, kWhite);
        path.push_back(chosen);
    }
    return {"Maze", image, QPoint(1, 1)};
}

QImage textureTile(QSize size)
{
    QImage tile(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            tile.setPixel(x, y, qRgb(x * 5 % 256, y * 9 % 256, (x + 2 * y) % 256));
    return tile;
}
