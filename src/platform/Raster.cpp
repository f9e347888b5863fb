#include "platform/Raster.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace
{

constexpr double coordinateLimit = 536870912.0; // 2^29: doubled products stay in 64 bits

// Writes horizontal runs of one colour straight into the image's bits and keeps
// the bounding box of what it wrote.
class SpanWriter
{
public:
    SpanWriter(QImage &image, QRgb colour)
    {
        if (image.isNull())
            return;
        if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32 &&
            image.format() != QImage::Format_ARGB32_Premultiplied)
            image = image.convertToFormat(QImage::Format_RGB32);
        bits_ = reinterpret_cast<QRgb *>(image.bits());
        stride_ = image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
        width_ = image.width();
        height_ = image.height();
        colour_ = image.format() == QImage::Format_RGB32 ? colour | 0xff000000u : colour;
    }

    int width() const { return width_; }
    int height() const { return height_; }

    // Paints pixels first..last (inclusive) of row y, whatever part of them lies in the image.
    void span(qint64 y, qint64 first, qint64 last)
    {
        if (y < 0 || y >= height_)
            return;
        first = std::max<qint64>(first, 0);
        last = std::min<qint64>(last, width_ - 1);
        if (first > last)
            return;
        std::fill(bits_ + y * stride_ + first, bits_ + y * stride_ + last + 1, colour_);
        changed_ |= QRect(int(first), int(y), int(last - first + 1), 1);
    }

    QRect changed() const { return changed_; }

private:
    QRgb *bits_ = nullptr;
    qsizetype stride_ = 0;
    int width_ = 0;
    int height_ = 0;
    QRgb colour_ = 0;
    QRect changed_;
};

qint64 floorDiv(qint64 a, qint64 b) // b > 0
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

qint64 ceilDiv(qint64 a, qint64 b)
{
    return -floorDiv(-a, b);
} // b > 0

qint64 isqrt(qint64 n) // n >= 0
{
    qint64 root = static_cast<qint64>(std::sqrt(static_cast<double>(n)));
    while (root * root > n)
        --root;
    while ((root + 1) * (root + 1) <= n)
        ++root;
    return root;
}

bool finite(QPointF p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

double clampCoordinate(double v)
{
    return std::clamp(v, -coordinateLimit, coordinateLimit);
}

qint64 pixelOf(double v)
{
    return static_cast<qint64>(std::floor(clampCoordinate(v)));
}

// The dot's centre along one axis, doubled so that it is a whole number: odd
// diameters sit on a pixel centre, even ones on a pixel corner.
qint64 doubledCentre(double v, int diameter)
{
    v = clampCoordinate(v);
    return diameter % 2 ? 2 * static_cast<qint64>(std::floor(v)) + 1
                        : 2 * static_cast<qint64>(std::floor(v + 0.5));
}

struct DoubledPoint {
    qint64 x;
    qint64 y;
};

DoubledPoint snapped(QPointF p, int diameter)
{
    return {doubledCentre(p.x(), diameter), doubledCentre(p.y(), diameter)};
}

// The pixels of row j whose centres lie within diameter / 2 of the doubled centre c,
// in whole numbers: (2i + 1 - cx)^2 + (2j + 1 - cy)^2 <= diameter^2.
bool dotRow(DoubledPoint c, qint64 diameter, qint64 j, qint64 &first, qint64 &last)
{
    const qint64 dy = 2 * j + 1 - c.y;
    const qint64 room = diameter * diameter - dy * dy;
    if (room < 0)
        return false;
    const qint64 half = isqrt(room);
    first = ceilDiv(c.x - 1 - half, 2);
    last = floorDiv(c.x - 1 + half, 2);
    return first <= last;
}

void paintDot(SpanWriter &out, DoubledPoint c, int diameter)
{
    const qint64 top = std::max<qint64>(ceilDiv(c.y - 1 - diameter, 2), 0);
    const qint64 bottom = std::min<qint64>(floorDiv(c.y - 1 + diameter, 2), out.height() - 1);
    for (qint64 j = top; j <= bottom; ++j) {
        qint64 first, last;
        if (dotRow(c, diameter, j, first, last))
            out.span(j, first, last);
    }
}

// The x values with lo <= a * x + b <= hi, narrowed into [from, to].
void narrow(double a, double b, double lo, double hi, double &from, double &to)
{
    constexpr double slack = 1e-9; // points exactly on the edge belong to the line
    if (std::abs(a) < 1e-12) {
        if (b < lo - slack || b > hi + slack)
            to = -std::numeric_limits<double>::infinity();
        return;
    }
    double x0 = (lo - slack - b) / a;
    double x1 = (hi + slack - b) / a;
    if (x0 > x1)
        std::swap(x0, x1);
    from = std::max(from, x0);
    to = std::min(to, x1);
}

// The pixels of row j whose centres lie within radius of the open part of segment
// a-b: the band between the perpendiculars at both ends.
bool bandRow(QPointF a, QPointF b, double radius, qint64 j, int width, qint64 &first, qint64 &last)
{
    const QPointF along = b - a;
    const double length = std::hypot(along.x(), along.y());
    const double ux = along.x() / length;
    const double uy = along.y() / length;
    const double y = double(j) + 0.5 - a.y();
    double from = -1.0;
    double to = double(width) + 1.0;
    narrow(ux, uy * y - ux * a.x(), 0.0, length, from, to);
    narrow(-uy, ux * y + uy * a.x(), -radius, radius, from, to);
    if (from > to)
        return false;
    first = static_cast<qint64>(std::ceil(from - 0.5));
    last = static_cast<qint64>(std::floor(to - 0.5));
    return first <= last;
}

void widen(qint64 &first, qint64 &last, bool &any, qint64 f, qint64 l)
{
    first = any ? std::min(first, f) : f;
    last = any ? std::max(last, l) : l;
    any = true;
}

// The capsule is convex, so each row of it is one run: the hull of the runs of
// the two end dots and of the band between them.
void paintCapsule(SpanWriter &out, DoubledPoint a, DoubledPoint b, int diameter)
{
    const QPointF centreA(a.x / 2.0, a.y / 2.0);
    const QPointF centreB(b.x / 2.0, b.y / 2.0);
    const qint64 top = std::max<qint64>(ceilDiv(std::min(a.y, b.y) - 1 - diameter, 2), 0);
    const qint64 bottom =
        std::min<qint64>(floorDiv(std::max(a.y, b.y) - 1 + diameter, 2), out.height() - 1);
    for (qint64 j = top; j <= bottom; ++j) {
        qint64 first = 0, last = -1, f, l;
        bool any = false;
        if (dotRow(a, diameter, j, f, l))
            widen(first, last, any, f, l);
        if (dotRow(b, diameter, j, f, l))
            widen(first, last, any, f, l);
        if (bandRow(centreA, centreB, diameter / 2.0, j, out.width(), f, l))
            widen(first, last, any, f, l);
        if (any)
            out.span(j, first, last);
    }
}

// Round-half-up of num / den, den != 0.
qint64 roundDiv(qint64 num, qint64 den)
{
    if (den < 0) {
        num = -num;
        den = -den;
    }
    return floorDiv(2 * num + den, 2 * den);
}

// A 1-pixel line: one pixel per step along the longer axis, the other coordinate
// rounded from the exact line. Only the steps inside the image are visited.
void paintThinLine(SpanWriter &out, qint64 x0, qint64 y0, qint64 x1, qint64 y1)
{
    const qint64 dx = x1 - x0;
    const qint64 dy = y1 - y0;
    if (std::abs(dx) >= std::abs(dy)) {
        const qint64 from = std::max<qint64>(std::min(x0, x1), 0);
        const qint64 to = std::min<qint64>(std::max(x0, x1), out.width() - 1);
        for (qint64 x = from; x <= to; ++x) {
            const qint64 y = dx == 0 ? y0 : y0 + roundDiv((x - x0) * dy, dx);
            out.span(y, x, x);
        }
    } else {
        const qint64 from = std::max<qint64>(std::min(y0, y1), 0);
        const qint64 to = std::min<qint64>(std::max(y0, y1), out.height() - 1);
        for (qint64 y = from; y <= to; ++y) {
            const qint64 x = x0 + roundDiv((y - y0) * dx, dy);
            out.span(y, x, x);
        }
    }
}

} // namespace

QRect drawRoundDot(QImage &image, QPointF centre, int diameter, QRgb colour)
{
    if (image.isNull() || !finite(centre))
        return {};
    SpanWriter out(image, colour);
    paintDot(out, snapped(centre, std::max(diameter, 1)), std::max(diameter, 1));
    return out.changed();
}

QRect drawThickLine(QImage &image, QPointF from, QPointF to, int width, QRgb colour)
{
    if (image.isNull() || !finite(from) || !finite(to))
        return {};
    SpanWriter out(image, colour);
    if (width <= 1) {
        paintThinLine(out, pixelOf(from.x()), pixelOf(from.y()), pixelOf(to.x()), pixelOf(to.y()));
        return out.changed();
    }
    const DoubledPoint a = snapped(from, width);
    const DoubledPoint b = snapped(to, width);
    if (a.x == b.x && a.y == b.y)
        paintDot(out, a, width);
    else
        paintCapsule(out, a, b, width);
    return out.changed();
}

QRect fillCircle(QImage &image, QPointF centre, double radius, QRgb colour)
{
    if (image.isNull() || !finite(centre) || !(radius >= 0.0) || !std::isfinite(radius))
        return {};
    SpanWriter out(image, colour);
    const double cx = clampCoordinate(centre.x());
    const double cy = clampCoordinate(centre.y());
    const double top = std::max(std::ceil(cy - radius - 0.5), 0.0);
    const double bottom = std::min(std::floor(cy + radius - 0.5), double(out.height() - 1));
    for (double j = top; j <= bottom; ++j) {
        const double dy = j + 0.5 - cy;
        const double half = std::sqrt(std::max(radius * radius - dy * dy, 0.0));
        const double first = std::max(std::ceil(cx - half - 0.5), -1.0);
        const double last = std::min(std::floor(cx + half - 0.5), double(out.width()));
        out.span(static_cast<qint64>(j), static_cast<qint64>(first), static_cast<qint64>(last));
    }
    return out.changed();
}
