#include "LineArt.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace
{

constexpr QRgb black = 0xFF000000;
constexpr QRgb white = 0xFFFFFFFF;

QImage threshold(const QImage &rendered)
{
    QImage out(rendered.size(), QImage::Format_RGB32);
    for (int y = 0; y < rendered.height(); ++y) {
        const auto *src = reinterpret_cast<const QRgb *>(rendered.constScanLine(y));
        auto *dst = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < rendered.width(); ++x)
            dst[x] = qGray(src[x]) < 128 ? black : white;
    }
    return out;
}

// A mask of the pixels that are black, one byte per pixel, for quick neighbourhood tests.
std::vector<unsigned char> blackMask(const QImage &image)
{
    std::vector<unsigned char> mask(size_t(image.width()) * image.height());
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            mask[size_t(y) * image.width() + x] = line[x] == black;
    }
    return mask;
}

qsizetype countBlack(const QImage &image)
{
    qsizetype count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        count += std::count(line, line + image.width(), black);
    }
    return count;
}

} // namespace

void fillPinholes(QImage &image, int maxHoleArea)
{
    const int w = image.width();
    const int h = image.height();
    const auto isWhite = [&image](int x, int y) {
        return reinterpret_cast<const QRgb *>(image.constScanLine(y))[x] == white;
    };
    std::vector<int> seen(size_t(w) * h, 0);
    std::vector<int> area;
    std::vector<int> stack;
    for (int start = 0; start < w * h; ++start) {
        if (seen[start] || !isWhite(start % w, start / w))
            continue;
        area.clear();
        stack.assign(1, start);
        seen[start] = 1;
        bool touchesBorder = false;
        while (!stack.empty()) {
            const int p = stack.back();
            stack.pop_back();
            area.push_back(p);
            const int x = p % w, y = p / w;
            touchesBorder |= x == 0 || y == 0 || x == w - 1 || y == h - 1;
            const int next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
            for (const auto &n : next) {
                if (n[0] < 0 || n[1] < 0 || n[0] >= w || n[1] >= h)
                    continue;
                const int q = n[1] * w + n[0];
                if (!seen[q] && isWhite(n[0], n[1])) {
                    seen[q] = 1;
                    stack.push_back(q);
                }
            }
        }
        if (!touchesBorder && int(area.size()) <= maxHoleArea)
            for (int p : area)
                reinterpret_cast<QRgb *>(image.scanLine(p / w))[p % w] = black;
    }
}

void keepOnlyThickBlack(QImage &image)
{
    // Morphological opening with a 3 x 3 square: a pixel stays black only if
    // some 3 x 3 square of black pixels contains it.
    const int w = image.width();
    const int h = image.height();
    const std::vector<unsigned char> isBlack = blackMask(image);
    std::vector<unsigned char> squareAt(size_t(w) * h, 0); // square centred here is all black
    for (int y = 1; y + 1 < h; ++y)
        for (int x = 1; x + 1 < w; ++x) {
            bool all = true;
            for (int dy = -1; dy <= 1 && all; ++dy)
                for (int dx = -1; dx <= 1 && all; ++dx)
                    all = isBlack[size_t(y + dy) * w + x + dx];
            squareAt[size_t(y) * w + x] = all;
        }
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            bool covered = false;
            for (int dy = -1; dy <= 1 && !covered; ++dy)
                for (int dx = -1; dx <= 1 && !covered; ++dx) {
                    const int cx = x + dx, cy = y + dy;
                    covered =
                        cx >= 0 && cy >= 0 && cx < w && cy < h && squareAt[size_t(cy) * w + cx];
                }
            line[x] = covered ? black : white;
        }
    }
}

QImage renderLineArt(const QString &svgPath, QSize size)
{
    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid())
        return {};
    QImage canvas(size, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    QImage art = threshold(canvas);
    fillPinholes(art, 40);
    const qsizetype before = countBlack(art);
    keepOnlyThickBlack(art);
    // Strokes thinner than 3 px vanish in the clean-up and would leave areas
    // open; refuse such a source rather than ship it quietly broken.
    if (countBlack(art) < before * 97 / 100) {
        QTextStream(stderr) << svgPath << ": lines thinner than 3 px\n";
        return {};
    }
    return art;
}
