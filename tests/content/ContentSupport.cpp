#include "content/ContentSupport.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>

QString appPath(const QString &relative)
{
    return QString(TINTARO_APP_DIR) + "/" + relative;
}

namespace
{

ContentCategory describeCategory(const QString &logo)
{
    ContentCategory category;
    category.logo = logo;
    category.base = logo.chopped(4);
    const QDir folder(appPath("dibujos/" + category.base));
    while (folder.exists(QString::number(category.drawingCount + 1) + ".gif"))
        ++category.drawingCount;
    static const QRegularExpression numbered("^([0-9]+)\\.gif$",
                                             QRegularExpression::CaseInsensitiveOption);
    for (const QString &name : folder.entryList(QDir::Files)) {
        const auto match = numbered.match(name);
        if (match.hasMatch())
            category.highestNumber = std::max(category.highestNumber, match.captured(1).toInt());
    }
    return category;
}

// One byte per pixel, 1 where the pixel has exactly the given colour.
std::vector<unsigned char> colourMask(const QImage &image, QRgb colour)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    std::vector<unsigned char> mask(size_t(rgb.width()) * rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            mask[size_t(y) * rgb.width() + x] = line[x] == colour;
    }
    return mask;
}

std::vector<unsigned char> blackMask(const QImage &image)
{
    return colourMask(image, 0xFF000000);
}

// Sums over rectangles in constant time: table(x, y) counts the ones above and left of (x, y).
struct SummedArea {
    int w, h;
    std::vector<int> table;
    SummedArea(const std::vector<unsigned char> &values, int width, int height)
        : w(width), h(height), table(size_t(width + 1) * (height + 1), 0)
    {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                at(x + 1, y + 1) =
                    values[size_t(y) * w + x] + at(x, y + 1) + at(x + 1, y) - at(x, y);
    }
    int &at(int x, int y) { return table[size_t(y) * (w + 1) + x]; }
    int sum(int x, int y, int side)
    {
        return at(x + side, y + side) - at(x, y + side) - at(x + side, y) + at(x, y);
    }
};

} // namespace

std::vector<ContentCategory> contentCategories()
{
    std::vector<ContentCategory> categories;
    const QDir logos(appPath("logos"));
    for (const QString &logo : logos.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase))
        categories.push_back(describeCategory(logo));
    return categories;
}

QStringList allDrawingPaths()
{
    QStringList paths;
    for (const ContentCategory &category : contentCategories())
        for (int n = 1; n <= category.drawingCount; ++n)
            paths << appPath("dibujos/" + category.base + "/" + QString::number(n) + ".gif");
    return paths;
}

QPoint firstGreyPixel(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = rgb.pixel(x, y);
            if (c != 0xFF000000 && c != 0xFFFFFFFF)
                return {x, y};
        }
    return {-1, -1};
}

namespace
{

// For each black pixel, whether some all-black square of the given side contains it.
std::vector<unsigned char> blackInSquares(const QImage &image, int side)
{
    const int w = image.width(), h = image.height();
    const std::vector<unsigned char> black = blackMask(image);
    SummedArea blackSums(black, w, h);
    // A square "fits" at its top-left corner when all its pixels are black.
    std::vector<unsigned char> fits(size_t(w) * h, 0);
    for (int y = 0; y + side <= h; ++y)
        for (int x = 0; x + side <= w; ++x)
            fits[size_t(y) * w + x] = blackSums.sum(x, y, side) == side * side;
    SummedArea fitSums(fits, w, h);
    std::vector<unsigned char> covered(size_t(w) * h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!black[size_t(y) * w + x])
                continue;
            // Corners of the squares that would contain (x, y), clipped to the image.
            const int x0 = std::max(0, x - side + 1), y0 = std::max(0, y - side + 1);
            const int count = fitSums.at(x + 1, y + 1) - fitSums.at(x0, y + 1) -
                              fitSums.at(x + 1, y0) + fitSums.at(x0, y0);
            covered[size_t(y) * w + x] = count > 0;
        }
    return covered;
}

} // namespace

QPoint firstBlackPixelOutsideSquares(const QImage &image, int side)
{
    const std::vector<unsigned char> black = blackMask(image);
    const std::vector<unsigned char> covered = blackInSquares(image, side);
    for (size_t i = 0; i < black.size(); ++i)
        if (black[i] && !covered[i])
            return {int(i % image.width()), int(i / image.width())};
    return {-1, -1};
}

double shareOfBlackInSquares(const QImage &image, int side)
{
    const std::vector<unsigned char> black = blackMask(image);
    const std::vector<unsigned char> covered = blackInSquares(image, side);
    const auto blackCount = std::count(black.begin(), black.end(), 1);
    const auto coveredCount = std::count(covered.begin(), covered.end(), 1);
    return blackCount ? double(coveredCount) / double(blackCount) : 0.0;
}

WhiteAreas labelWhiteAreas(const QImage &image)
{
    const int w = image.width(), h = image.height();
    const std::vector<unsigned char> white = colourMask(image, 0xFFFFFFFF);
    WhiteAreas areas;
    areas.width = w;
    areas.component.assign(size_t(w) * h, -1);
    std::vector<QPoint> stack;
    for (int sy = 0; sy < h; ++sy)
        for (int sx = 0; sx < w; ++sx) {
            if (areas.at({sx, sy}) >= 0 || !white[size_t(sy) * w + sx])
                continue;
            const int id = int(areas.size.size());
            int size = 0;
            bool open = false;
            areas.component[size_t(sy) * w + sx] = id;
            stack.assign(1, QPoint(sx, sy));
            while (!stack.empty()) {
                const QPoint p = stack.back();
                stack.pop_back();
                ++size;
                open |= p.x() == 0 || p.y() == 0 || p.x() == w - 1 || p.y() == h - 1;
                for (const QPoint step :
                     {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint q = p + step;
                    if (q.x() < 0 || q.y() < 0 || q.x() >= w || q.y() >= h)
                        continue;
                    int &label = areas.component[size_t(q.y()) * w + q.x()];
                    if (label < 0 && white[size_t(q.y()) * w + q.x()]) {
                        label = id;
                        stack.push_back(q);
                    }
                }
            }
            areas.size.push_back(size);
            areas.closed.push_back(!open);
        }
    return areas;
}

std::vector<int> closedWhiteAreas(const QImage &image)
{
    const WhiteAreas areas = labelWhiteAreas(image);
    std::vector<int> sizes;
    for (size_t i = 0; i < areas.size.size(); ++i)
        if (areas.closed[i])
            sizes.push_back(areas.size[i]);
    return sizes;
}

int countAreasOfAtLeast(const std::vector<int> &areas, int minPixels)
{
    return int(std::count_if(areas.begin(), areas.end(), [&](int a) { return a >= minPixels; }));
}
