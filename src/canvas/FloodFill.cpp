#include "canvas/FloodFill.h"

#include <algorithm>
#include <cstring>

namespace
{

using Pixel = quint32;

constexpr Pixel kRgbMask = 0x00FFFFFF;
constexpr Pixel kOpaque = 0xFF000000;

// The pixels a surface fill spreads over: exactly one colour.
struct SameColour {
    Pixel colour;
    bool operator()(Pixel p) const { return (p & kRgbMask) == colour; }
};

// The pixels a border fill spreads over: every colour but the border's.
struct NotBorder {
    Pixel border;
    bool operator()(Pixel p) const { return (p & kRgbMask) != border; }
};

void makeRgb32(QImage &image)
{
    if (image.format() != QImage::Format_RGB32)
        image.convertTo(QImage::Format_RGB32);
}

QImage asRgb32(const QImage &image)
{
    return image.format() == QImage::Format_RGB32 ? image
                                                  : image.convertToFormat(QImage::Format_RGB32);
}

Pixel pixelAt(const QImage &image, QPoint p)
{
    return reinterpret_cast<const Pixel *>(image.constScanLine(p.y()))[p.x()];
}

// Remembers the runs already found by their left ends. A run (a maximal row
// run of pixels the fill spreads over) is always found whole, so its left end
// stands for all of it and the test costs one bit per run, not per pixel.
// Not needed when the fill paints each run out of the fill's reach.
class FoundRuns
{
public:
    FoundRuns(int width, int height, bool needed)
        : width_(width), bits_(needed ? (std::size_t(width) * height + 63) / 64 : 0),
          needed_(needed)
    {
    }

    // True the first time the run starting at (x, y) is claimed.
    bool claim(int x, int y)
    {
        if (!needed_)
            return true;
        const std::size_t index = std::size_t(y) * width_ + x;
        quint64 &word = bits_[index / 64];
        const quint64 bit = quint64(1) << (index % 64);
        const bool fresh = (word & bit) == 0;
        word |= bit;
        return fresh;
    }

private:
    std::size_t width_;
    std::vector<quint64> bits_;
    bool needed_;
};

// A run waiting for its neighbour rows to be scanned. It was found from its
// parent run on row y - dir, all of which is in the region already, so row
// y - dir is scanned only beyond the parent's ends.
struct PendingRun {
    int y, x1, x2, dir, parentX1, parentX2;
};

// Span fill with an explicit stack of runs: each row is scanned with plain
// pointer loops and each run is handed to `paint` whole.
template <class Reach, class Paint> class RegionTracer
{
public:
    RegionTracer(const QImage &image, Reach reach, bool rememberRuns, Paint paint)
        : bits_(image.constBits()), stride_(image.bytesPerLine()), width_(image.width()),
          height_(image.height()), reach_(reach), found_(width_, height_, rememberRuns),
          paint_(paint)
    {
    }

    FillRegion trace(QPoint seed)
    {
        const Pixel *row = rowAt(seed.y());
        if (!reach_(row[seed.x()]))
            return {};
        const int x1 = leftEnd(row, seed.x());
        const int x2 = rightEnd(row, seed.x());
        found_.claim(x1, seed.y());
        // The seed has no parent: an empty parent range makes both rows scan whole.
        addRun({seed.y(), x1, x2, 1, x2 + 1, x2});
        while (!pending_.empty()) {
            const PendingRun run = pending_.back();
            pending_.pop_back();
            scanRow(run.y + run.dir, run.x1, run.x2, run);
            scanRow(run.y - run.dir, run.x1, std::min(run.x2, run.parentX1 - 1), run);
            scanRow(run.y - run.dir, std::max(run.x1, run.parentX2 + 1), run.x2, run);
        }
        region_.bounds = QRect(QPoint(minX_, minY_), QPoint(maxX_, maxY_));
        return std::move(region_);
    }

private:
    const Pixel *rowAt(int y) const
    {
        return reinterpret_cast<const Pixel *>(bits_ + std::ptrdiff_t(y) * stride_);
    }

    int leftEnd(const Pixel *row, int x) const
    {
        while (x > 0 && reach_(row[x - 1]))
            --x;
        return x;
    }

    int rightEnd(const Pixel *row, int x) const
    {
        while (x + 1 < width_ && reach_(row[x + 1]))
            ++x;
        return x;
    }

    // Finds the runs of row y that touch columns from..to.
    void scanRow(int y, int from, int to, const PendingRun &parent)
    {
        if (from > to || y < 0 || y >= height_)
            return;
        const Pixel *row = rowAt(y);
        const int dir = y - parent.y;
        int x = from;
        while (true) {
            while (x <= to && !reach_(row[x]))
                ++x;
            if (x > to)
                return;
            const int x1 = x == from ? leftEnd(row, x) : x;
            const int x2 = rightEnd(row, x);
            if (found_.claim(x1, y))
                addRun({y, x1, x2, dir, parent.x1, parent.x2});
            x = x2 + 2; // x2 + 1 is outside the fill's reach
        }
    }

    void addRun(const PendingRun &run)
    {
        paint_(run.y, run.x1, run.x2);
        region_.spans.push_back({run.y, run.x1, run.x2});
        minX_ = std::min(minX_, run.x1);
        maxX_ = std::max(maxX_, run.x2);
        minY_ = std::min(minY_, run.y);
        maxY_ = std::max(maxY_, run.y);
        pending_.push_back(run);
    }

    const uchar *bits_;
    qsizetype stride_;
    int width_;
    int height_;
    Reach reach_;
    FoundRuns found_;
    Paint paint_;
    std::vector<PendingRun> pending_;
    FillRegion region_;
    int minX_ = width_, maxX_ = -1, minY_ = height_, maxY_ = -1;
};

struct PaintNothing {
    void operator()(int, int, int) const {}
};

// Writes one colour over whole runs.
class PaintColour
{
public:
    PaintColour(QImage &image, QRgb colour)
        : bits_(image.bits()), stride_(image.bytesPerLine()), colour_(colour | kOpaque)
    {
    }

    void operator()(int y, int x1, int x2) const
    {
        Pixel *row = reinterpret_cast<Pixel *>(bits_ + std::ptrdiff_t(y) * stride_);
        std::fill(row + x1, row + x2 + 1, colour_);
    }

private:
    uchar *bits_;
    qsizetype stride_;
    Pixel colour_;
};

template <class Reach> FillRegion findRegion(const QImage &image, QPoint seed, Reach reach)
{
    return RegionTracer(image, reach, true, PaintNothing{}).trace(seed);
}

// Paints while tracing, so each run is written while its row is in the cache.
// Runs that keep within the fill's reach once painted must be remembered.
template <class Reach> FillRegion fillRegion(QImage &image, QPoint seed, Reach reach, QRgb fill)
{
    const bool paintedStayInReach = reach(fill);
    PaintColour paint(image, fill); // detaches the image before the tracer reads it
    return RegionTracer(image, reach, paintedStayInReach, paint).trace(seed);
}

// The tile's rows, each repeated to a whole number of tile widths of at least
// kMinPeriod pixels, plus one tile width more. A run starting at x is then laid
// by copies of `period_` pixels from offset x mod tile width of its row.
class TiledRows
{
public:
    static constexpr int kMinPeriod = 512;

    explicit TiledRows(const QImage &tile)
        : tileWidth_(tile.width()), tileHeight_(tile.height()),
          period_(tileWidth_ * ((kMinPeriod + tileWidth_ - 1) / tileWidth_)),
          rowLength_(period_ + tileWidth_), pixels_(std::size_t(rowLength_) * tileHeight_)
    {
        for (int ty = 0; ty < tileHeight_; ++ty) {
            const auto *source = reinterpret_cast<const Pixel *>(tile.constScanLine(ty));
            Pixel *row = pixels_.data() + std::size_t(ty) * rowLength_;
            for (int x = 0; x < rowLength_; x += tileWidth_)
                std::memcpy(row + x, source, sizeof(Pixel) * std::min(tileWidth_, rowLength_ - x));
        }
    }

    void lay(Pixel *row, int y, int x1, int x2) const
    {
        const Pixel *source =
            pixels_.data() + std::size_t(y % tileHeight_) * rowLength_ + x1 % tileWidth_;
        for (int x = x1; x <= x2; x += period_)
            std::memcpy(row + x, source, sizeof(Pixel) * std::min(period_, x2 - x + 1));
    }

private:
    int tileWidth_;
    int tileHeight_;
    int period_;
    int rowLength_;
    std::vector<Pixel> pixels_;
};

} // namespace

bool FillRegion::isEmpty() const
{
    return spans.empty();
}

FillRegion floodFillSurface(QImage &image, QPoint seed, QRgb fill)
{
    if (!image.rect().contains(seed))
        return {};
    makeRgb32(image);
    const SameColour surface{pixelAt(image, seed) & kRgbMask};
    if (surface(fill))
        return findRegion(image, seed, surface); // nothing would change
    return fillRegion(image, seed, surface, fill);
}

FillRegion floodFillBorder(QImage &image, QPoint seed, QRgb border, QRgb fill)
{
    if (!image.rect().contains(seed))
        return {};
    makeRgb32(image);
    return fillRegion(image, seed, NotBorder{border & kRgbMask}, fill);
}

FillRegion findSurfaceRegion(const QImage &image, QPoint seed)
{
    if (!image.rect().contains(seed))
        return {};
    const QImage rgb = asRgb32(image);
    return findRegion(rgb, seed, SameColour{pixelAt(rgb, seed) & kRgbMask});
}

FillRegion findBorderRegion(const QImage &image, QPoint seed, QRgb border)
{
    if (!image.rect().contains(seed))
        return {};
    return findRegion(asRgb32(image), seed, NotBorder{border & kRgbMask});
}

void paintRegionWithTexture(QImage &image, const FillRegion &region, const QImage &tile)
{
    if (tile.isNull() || region.isEmpty())
        return;
    makeRgb32(image);
    const TiledRows tiled(asRgb32(tile));
    for (const FillSpan &span : region.spans) {
        const int x1 = std::max(span.x1, 0);
        const int x2 = std::min(span.x2, image.width() - 1);
        if (span.y < 0 || span.y >= image.height() || x1 > x2)
            continue;
        tiled.lay(reinterpret_cast<Pixel *>(image.scanLine(span.y)), span.y, x1, x2);
    }
}
