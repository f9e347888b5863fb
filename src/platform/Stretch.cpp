#include "platform/Stretch.h"

#include "platform/LargeImage.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

// Along each axis a destination pixel d covers the source pixels [first[d], end[d]).
// When shrinking, the covered ranges are [d*s/n, (d+1)*s/n): they partition the source,
// so every source pixel counts for exactly one destination pixel (a 1-pixel black line
// cannot fall between two destination pixels). When enlarging, or for the nearest mode,
// a destination pixel takes the single source pixel under its centre, which gives exact
// copies of the source pixels.
namespace
{

struct AxisCover {
    std::vector<int> first;
    std::vector<int> end;
};

AxisCover coverAxis(int sourceLength, int destLength, bool centreOnly)
{
    AxisCover cover;
    cover.first.resize(destLength);
    cover.end.resize(destLength);
    const qint64 s = sourceLength;
    const qint64 n = destLength;
    for (qint64 d = 0; d < n; ++d) {
        if (centreOnly || s <= n) {
            const int under = static_cast<int>(((2 * d + 1) * s) / (2 * n));
            cover.first[d] = under;
            cover.end[d] = under + 1;
        } else {
            cover.first[d] = static_cast<int>(d * s / n);
            cover.end[d] = static_cast<int>((d + 1) * s / n);
        }
    }
    return cover;
}

const QRgb *sourceRow(const QImage &src, int y)
{
    return reinterpret_cast<const QRgb *>(src.constScanLine(y));
}

QRgb *destRow(QImage &dest, int y)
{
    return reinterpret_cast<QRgb *>(dest.scanLine(y));
}

// AND, OR and the darkest are separable: combine the covered rows first, then the covered columns.
template <typename Combine>
void stretchBitwise(const QImage &src, QImage &dest, const AxisCover &cols, const AxisCover &rows,
                    Combine combine)
{
    std::vector<QRgb> rowAcc(src.width());
    for (int y = 0; y < dest.height(); ++y) {
        std::memcpy(rowAcc.data(), sourceRow(src, rows.first[y]), rowAcc.size() * sizeof(QRgb));
        for (int sy = rows.first[y] + 1; sy < rows.end[y]; ++sy) {
            const QRgb *line = sourceRow(src, sy);
            for (size_t x = 0; x < rowAcc.size(); ++x)
                rowAcc[x] = combine(rowAcc[x], line[x]);
        }
        QRgb *out = destRow(dest, y);
        for (int x = 0; x < dest.width(); ++x) {
            QRgb value = rowAcc[cols.first[x]];
            for (int sx = cols.first[x] + 1; sx < cols.end[x]; ++sx)
                value = combine(value, rowAcc[sx]);
            out[x] = value | 0xff000000u;
        }
    }
}

void stretchNearest(const QImage &src, QImage &dest, const AxisCover &cols, const AxisCover &rows)
{
    for (int y = 0; y < dest.height(); ++y) {
        QRgb *out = destRow(dest, y);
        if (y > 0 && rows.first[y] == rows.first[y - 1]) {
            std::memcpy(out, destRow(dest, y - 1), dest.width() * sizeof(QRgb));
            continue;
        }
        const QRgb *line = sourceRow(src, rows.first[y]);
        for (int x = 0; x < dest.width(); ++x)
            out[x] = line[cols.first[x]] | 0xff000000u;
    }
}

// Sums the red, green and blue of the covered rows per source column, then the
// covered columns per destination pixel, and divides by the number of pixels.
void stretchAverage(const QImage &src, QImage &dest, const AxisCover &cols, const AxisCover &rows)
{
    const int sw = src.width();
    std::vector<std::uint32_t> rowSum(3 * static_cast<size_t>(sw));
    for (int y = 0; y < dest.height(); ++y) {
        std::fill(rowSum.begin(), rowSum.end(), 0u);
        for (int sy = rows.first[y]; sy < rows.end[y]; ++sy) {
            const QRgb *line = sourceRow(src, sy);
            std::uint32_t *sum = rowSum.data();
            for (int x = 0; x < sw; ++x, sum += 3) {
                sum[0] += qRed(line[x]);
                sum[1] += qGreen(line[x]);
                sum[2] += qBlue(line[x]);
            }
        }
        const std::uint64_t rowCount = rows.end[y] - rows.first[y];
        QRgb *out = destRow(dest, y);
        for (int x = 0; x < dest.width(); ++x) {
            std::uint64_t r = 0, g = 0, b = 0;
            for (int sx = cols.first[x]; sx < cols.end[x]; ++sx) {
                r += rowSum[3 * sx];
                g += rowSum[3 * sx + 1];
                b += rowSum[3 * sx + 2];
            }
            const std::uint64_t count = rowCount * (cols.end[x] - cols.first[x]);
            const auto mean = [count](std::uint64_t total) {
                return static_cast<int>((total + count / 2) / count);
            };
            out[x] = qRgb(mean(r), mean(g), mean(b));
        }
    }
}

// The darker of two pixels by their brightness; between equally bright ones the
// lower value, so that the result never depends on the order of the pixels.
QRgb darker(QRgb a, QRgb b)
{
    const auto brightness = [](QRgb c) { return 299 * qRed(c) + 587 * qGreen(c) + 114 * qBlue(c); };
    const int ba = brightness(a);
    const int bb = brightness(b);
    if (ba != bb)
        return ba < bb ? a : b;
    return (a & 0xFFFFFFu) <= (b & 0xFFFFFFu) ? a : b;
}

} // namespace

QImage stretchImage(const QImage &src, int width, int height, StretchMode mode)
{
    if (src.isNull() || src.width() <= 0 || src.height() <= 0 || width <= 0 || height <= 0)
        return {};
    // At its own size every pixel covers exactly one: the picture itself,
    // shared rather than copied (a kept colouring shown on a fitted canvas).
    if (src.size() == QSize(width, height))
        return src.convertToFormat(QImage::Format_RGB32);
    QImage dest = largeImage(QSize(width, height), QImage::Format_RGB32);
    if (dest.isNull())
        return {};
    stretchInto(src, dest, mode);
    return dest;
}

void stretchInto(const QImage &src, QImage &dest, StretchMode mode)
{
    if (src.isNull() || src.width() <= 0 || src.height() <= 0 || dest.isNull() ||
        dest.format() != QImage::Format_RGB32)
        return;
    const QImage source = src.convertToFormat(QImage::Format_RGB32);
    const int width = dest.width();
    const int height = dest.height();
    if (source.size() == dest.size()) {
        for (int y = 0; y < height; ++y)
            std::memcpy(destRow(dest, y), sourceRow(source, y),
                        static_cast<size_t>(width) * sizeof(QRgb));
        return;
    }
    const bool centreOnly = mode == StretchMode::Nearest;
    const AxisCover cols = coverAxis(source.width(), width, centreOnly);
    const AxisCover rows = coverAxis(source.height(), height, centreOnly);
    switch (mode) {
    case StretchMode::And:
        stretchBitwise(source, dest, cols, rows, [](QRgb a, QRgb b) { return a & b; });
        break;
    case StretchMode::Or:
        stretchBitwise(source, dest, cols, rows, [](QRgb a, QRgb b) { return a | b; });
        break;
    case StretchMode::Nearest:
        stretchNearest(source, dest, cols, rows);
        break;
    case StretchMode::Average:
        stretchAverage(source, dest, cols, rows);
        break;
    case StretchMode::Darkest:
        stretchBitwise(source, dest, cols, rows, darker);
        break;
    }
}

int shrunkPixelCovering(int source, int sourceLength, int destLength)
{
    // The last d with d * s / n <= source, that is with d * s < (source + 1) * n.
    const qint64 s = sourceLength;
    const qint64 n = destLength;
    return static_cast<int>(((source + 1) * n - 1) / s);
}
