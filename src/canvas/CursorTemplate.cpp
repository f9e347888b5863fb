#include "canvas/CursorTemplate.h"

#include <QPointF>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace
{

constexpr int templateSize = 39;
constexpr QRgb outlineColour = 0xff000000u;
constexpr QRgb interiorColour = 0xffff0000u;
constexpr QRgb backgroundColour = 0xffffffffu;

// Pixels whose centres lie this close to the edge of the shape are outline.
constexpr double outlineWidth = 1.6;

// The pointer in its own frame: u runs from the tip along the axis, v across it.
// A head with a 45 degree point and barbed back edges, then a straight tail.
// Sizes keep the whole arrow inside the top-left 34 x 34 pixels.
constexpr double headLength = 26.0;
constexpr double wingSpan = 10.8; // headLength * tan(22.5 degrees)
constexpr double tailHalfWidth = 4.0;
constexpr double notchDepth = 1.0; // the back edges lean a little towards the tip
constexpr double tailEnd = 42.0;

// The axis runs along the picture's diagonal, so the arrow points at the corner.
QPointF toPicture(double u, double v)
{
    const double s = 1.0 / std::sqrt(2.0);
    return {(u + v) * s, (u - v) * s};
}

std::vector<QPointF> arrowOutline()
{
    const double notch = headLength - notchDepth;
    return {toPicture(0, 0),
            toPicture(headLength, wingSpan),
            toPicture(notch, tailHalfWidth),
            toPicture(tailEnd, tailHalfWidth),
            toPicture(tailEnd, -tailHalfWidth),
            toPicture(notch, -tailHalfWidth),
            toPicture(headLength, -wingSpan)};
}

bool inside(const std::vector<QPointF> &polygon, QPointF p)
{
    bool in = false;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const QPointF a = polygon[i];
        const QPointF b = polygon[j];
        if ((a.y() > p.y()) != (b.y() > p.y()) &&
            p.x() < a.x() + (p.y() - a.y()) * (b.x() - a.x()) / (b.y() - a.y()))
            in = !in;
    }
    return in;
}

double distanceToEdge(const std::vector<QPointF> &polygon, QPointF p)
{
    double best = 1e9;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const QPointF ab = polygon[i] - polygon[j];
        const double t = std::clamp(
            QPointF::dotProduct(p - polygon[j], ab) / QPointF::dotProduct(ab, ab), 0.0, 1.0);
        const QPointF gap = p - (polygon[j] + t * ab);
        best = std::min(best, std::hypot(gap.x(), gap.y()));
    }
    return best;
}

// The shape's pixels, with a one-pixel frame of background around the picture.
using Shape = std::array<std::array<bool, templateSize + 2>, templateSize + 2>;

Shape rasterise(const std::vector<QPointF> &polygon)
{
    Shape shape{};
    for (int y = 0; y < templateSize; ++y)
        for (int x = 0; x < templateSize; ++x)
            shape[y + 1][x + 1] = inside(polygon, QPointF(x + 0.5, y + 0.5));
    return shape;
}

bool isOutline(const Shape &shape, const std::vector<QPointF> &polygon, int x, int y)
{
    // A shape pixel touching the background, even only at a corner, is outline:
    // that keeps the interior sealed against diagonal steps.
    for (int dy = 0; dy <= 2; ++dy)
        for (int dx = 0; dx <= 2; ++dx)
            if (!shape[y + dy][x + dx])
                return true;
    return distanceToEdge(polygon, QPointF(x + 0.5, y + 0.5)) < outlineWidth;
}

// Keeps as interior only the candidates 4-connected to (5, 5): a speck of
// interior near the narrow tip that joins the rest only at a corner becomes
// outline, so one fill from (5, 5) reaches every interior pixel.
void keepInteriorAroundSeed(QImage &picture)
{
    QImage reached(picture.size(), QImage::Format_Mono);
    reached.fill(0);
    std::vector<QPoint> stack{QPoint(5, 5)};
    reached.setPixel(5, 5, 1);
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint q = p + step;
            if (picture.valid(q) && picture.pixel(q) == interiorColour && !reached.pixelIndex(q)) {
                reached.setPixel(q, 1);
                stack.push_back(q);
            }
        }
    }
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) == interiorColour && !reached.pixelIndex(x, y))
                picture.setPixel(x, y, outlineColour);
}

} // namespace

QImage makeCursorTemplate()
{
    const std::vector<QPointF> polygon = arrowOutline();
    const Shape shape = rasterise(polygon);
    QImage picture(templateSize, templateSize, QImage::Format_RGB32);
    picture.fill(backgroundColour);
    for (int y = 0; y < templateSize; ++y)
        for (int x = 0; x < templateSize; ++x)
            if (shape[y + 1][x + 1])
                picture.setPixel(x, y,
                                 isOutline(shape, polygon, x, y) ? outlineColour : interiorColour);
    keepInteriorAroundSeed(picture);
    return picture;
}
