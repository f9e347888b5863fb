#include "canvas/FloodFill.h"

#include "platform/LargeImage.h"

#include <algorithm>
#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace
{

using Pixel = quint32;

constexpr Pixel kRgbMask = 0x00FFFFFF;
constexpr Pixel kOpaque = 0xFF000000;

// Long runs are scanned four pixels at a time, with one bit per pixel (lowest
// bit first). SSE2 (every x86-64 processor has it) compares the four in one
// go; elsewhere they are compared one by one, with the same result.
#if defined(__SSE2__)
// A colour to look for, broadcast once to the four lanes.
class ColourLanes
{
public:
    explicit ColourLanes(Pixel colour)
        : mask_(_mm_set1_epi32(int(kRgbMask))), colour_(_mm_set1_epi32(int(colour)))
    {
    }

    // Bit i set where pixels[i] has the colour.
    unsigned equal(const Pixel *pixels) const
    {
        const __m128i quad = _mm_loadu_si128(reinterpret_cast<const __m128i *>(pixels));
        const __m128i same = _mm_cmpeq_epi32(_mm_and_si128(quad, mask_), colour_);
        return unsigned(_mm_movemask_ps(_mm_castsi128_ps(same)));
    }

private:
    __m128i mask_;
    __m128i colour_;
};

class QuadStore
{
public:
    explicit QuadStore(Pixel colour) : colour_(_mm_set1_epi32(int(colour))) {}
    void operator()(Pixel *pixels) const
    {
        _mm_storeu_si128(reinterpret_cast<__m128i *>(pixels), colour_);
    }

private:
    __m128i colour_;
};
#else
class ColourLanes
{
public:
    explicit ColourLanes(Pixel colour) : colour_(colour) {}

    unsigned equal(const Pixel *pixels) const
    {
        unsigned lanes = 0;
        for (int i = 0; i < 4; ++i)
            lanes |= unsigned((pixels[i] & kRgbMask) == colour_) << i;
        return lanes;
    }

private:
    Pixel colour_;
};

class QuadStore
{
public:
    explicit QuadStore(Pixel colour) : colour_(colour) {}
    void operator()(Pixel *pixels) const { std::fill_n(pixels, 4, colour_); }

private:
    Pixel colour_;
};
#endif

// The pixels a surface fill spreads over: exactly one colour.
class SameColour
{
public:
    explicit SameColour(Pixel colour) : colour_(colour & kRgbMask), lanes_(colour_) {}
    bool operator()(Pixel p) const { return (p & kRgbMask) == colour_; }
    unsigned quad(const Pixel *pixels) const { return lanes_.equal(pixels); }

private:
    Pixel colour_;
    ColourLanes lanes_;
};

// The pixels a border fill spreads over: every colour but the border's.
class NotBorder
{
public:
    explicit NotBorder(Pixel border) : border_(border & kRgbMask), lanes_(border_) {}
    bool operator()(Pixel p) const { return (p & kRgbMask) != border_; }
    unsigned quad(const Pixel *pixels) const { return ~lanes_.equal(pixels) & 0xF; }

private:
    Pixel border_;
    ColourLanes lanes_;
};

// The row scans are small and hot: they are forced inline into the fill loop.
#define TINTARO_HOT [[gnu::always_inline]] inline

// Most runs and gaps of a detailed drawing are a few pixels long. The scans
// test the first kLead pixels one by one, which the processor predicts and
// runs ahead on, and go on four at a time only beyond them.
constexpr int kLead = 8;

// The first column from x on, before `end`, that is in reach; else `end`.
// Quads may look past `end`, never past the row's `width`.
template <class Reach>
TINTARO_HOT int firstInReach(const Pixel *row, int x, int end, int width, Reach reach)
{
    for (const int lead = std::min(end, x + kLead); x < lead; ++x)
        if (reach(row[x]))
            return x;
    for (; x < end && x + 4 <= width; x += 4) {
        if (const unsigned in = reach.quad(row + x))
            return std::min(x + std::countr_zero(in), end);
    }
    for (; x < end; ++x)
        if (reach(row[x]))
            return x;
    return end;
}

// The first column from x on, before `end`, that is out of reach; else `end`.
template <class Reach>
TINTARO_HOT int firstOutOfReach(const Pixel *row, int x, int end, Reach reach)
{
    for (const int lead = std::min(end, x + kLead); x < lead; ++x)
        if (!reach(row[x]))
            return x;
    for (; x + 4 <= end; x += 4) {
        if (const unsigned out = ~reach.quad(row + x) & 0xF)
            return x + std::countr_zero(out);
    }
    for (; x < end; ++x)
        if (!reach(row[x]))
            return x;
    return end;
}

// The first column of the run in reach that goes on up to column x - 1.
template <class Reach> TINTARO_HOT int runStart(const Pixel *row, int x, Reach reach)
{
    for (const int lead = std::max(0, x - kLead); x > lead; --x)
        if (!reach(row[x - 1]))
            return x;
    for (; x >= 4; x -= 4) {
        if (const unsigned out = ~reach.quad(row + x - 4) & 0xF)
            return x - 4 + std::bit_width(out);
    }
    for (; x > 0; --x)
        if (!reach(row[x - 1]))
            return x;
    return 0;
}

TINTARO_HOT void fillRun(Pixel *row, int x1, int x2, Pixel colour, const QuadStore &store)
{
    const int n = x2 - x1 + 1;
    if (n < 4) { // these three cover every run of one to three pixels
        row[x1] = colour;
        row[x1 + n / 2] = colour;
        row[x2] = colour;
        return;
    }
    for (int x = x1; x + 4 <= x2; x += 4)
        store(row + x);
    store(row + x2 - 3); // the last four, overlapping the loop's last quad
}

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

// A run waiting for its neighbour rows to be scanned. It was found from its
// parent run on row y - dir, all of which is in the region already, so row
// y - dir is scanned only beyond the parent's ends (the seed's run has an
// empty parent range, so both its neighbour rows are scanned whole).
struct PendingRun {
    int y, x1, x2, dir, parentX1, parentX2;
};

// Working memory of the fills, kept on each thread from one fill to the next:
// on a large canvas, fresh memory costs more in page faults than a fill takes.
struct TraceMemory {
    std::vector<PendingRun> pending;
    std::vector<FillSpan> spans;
    std::vector<quint64> foundBits;
};

TraceMemory &traceMemory()
{
    thread_local TraceMemory memory;
    memory.pending.clear();
    memory.spans.clear();
    return memory;
}

// Remembers the runs already found by their left ends. A run (a maximal row
// run of pixels the fill spreads over) is always found whole, so its left end
// stands for all of it and the test costs one bit per run, not per pixel.
// Not needed when the fill paints each run out of the fill's reach.
class FoundRuns
{
public:
    FoundRuns(std::vector<quint64> &bits, int width, int height, bool needed)
        : width_(width), needed_(needed)
    {
        if (needed)
            bits.assign((std::size_t(width) * height + 63) / 64, 0);
        bits_ = bits.data();
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
    quint64 *bits_;
    bool needed_;
};

// Span fill with an explicit stack of runs: rows are scanned through raw
// pointers, each run found is handed to `paint` whole and recorded.
template <class Reach, class Paint> class RegionTracer
{
public:
    RegionTracer(const QImage &image, Reach reach, bool rememberRuns, Paint paint)
        : bits_(image.constBits()), stride_(image.bytesPerLine()), width_(image.width()),
          height_(image.height()), reach_(reach),
          found_(memory_.foundBits, width_, height_, rememberRuns), paint_(paint)
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
        Next next;
        addRun({seed.y(), x1, x2, 1, x2 + 1, x2}, next);
        while (next.held || !pending_.empty()) {
            PendingRun run;
            if (next.held) {
                run = next.run;
                next.held = false;
            } else {
                run = pending_.back();
                pending_.pop_back();
            }
            scanNeighbours(run, next);
        }
        FillRegion region;
        // A maze of one-pixel corridors records millions of runs, in the last
        // record's block when one was freed, else in fresh memory taken at
        // once rather than a page fault every 4 KiB.
        region.spans.reserve(spans_.size());
        prepareForWriting(region.spans.data(), spans_.size() * sizeof(FillSpan));
        region.spans.assign(spans_.begin(), spans_.end());
        region.bounds = QRect(QPoint(minX_, minY_), QPoint(maxX_, maxY_));
        return region;
    }

private:
    // The run found last, held back from the stack: it is the one to scan
    // next, and most runs of a thin area have exactly one new neighbour, so
    // passing it on directly spares a store and a reload per run.
    struct Next {
        PendingRun run;
        bool held = false;
    };

    const Pixel *rowAt(int y) const
    {
        return reinterpret_cast<const Pixel *>(bits_ + std::ptrdiff_t(y) * stride_);
    }

    TINTARO_HOT int leftEnd(const Pixel *row, int x) const { return runStart(row, x, reach_); }

    TINTARO_HOT int rightEnd(const Pixel *row, int x) const
    {
        return firstOutOfReach(row, x + 1, width_, reach_) - 1;
    }

    TINTARO_HOT void scanNeighbours(const PendingRun &run, Next &next)
    {
        const int away = run.y + run.dir;
        if (unsigned(away) < unsigned(height_))
            scanRow(away, run.dir, run.x1, run.x2, run, next);
        const int back = run.y - run.dir;
        if (unsigned(back) >= unsigned(height_))
            return;
        if (run.x1 < run.parentX1)
            scanRow(back, -run.dir, run.x1, std::min(run.x2, run.parentX1 - 1), run, next);
        if (run.x2 > run.parentX2)
            scanRow(back, -run.dir, std::max(run.x1, run.parentX2 + 1), run.x2, run, next);
    }

    // Finds the runs of row y that touch columns from..to (from <= to).
    TINTARO_HOT void scanRow(int y, int dir, int from, int to, const PendingRun &parent, Next &next)
    {
        const Pixel *row = rowAt(y);
        int x = from;
        while (true) {
            x = firstInReach(row, x, to + 1, width_, reach_);
            if (x > to)
                return;
            const int x1 = x == from ? leftEnd(row, x) : x;
            const int x2 = rightEnd(row, x);
            if (found_.claim(x1, y))
                addRun({y, x1, x2, dir, parent.x1, parent.x2}, next);
            x = x2 + 2; // x2 + 1 is outside the fill's reach
        }
    }

    TINTARO_HOT void addRun(const PendingRun &run, Next &next)
    {
        paint_(run.y, run.x1, run.x2);
        spans_.push_back({run.y, run.x1, run.x2});
        minX_ = std::min(minX_, run.x1);
        maxX_ = std::max(maxX_, run.x2);
        minY_ = std::min(minY_, run.y);
        maxY_ = std::max(maxY_, run.y);
        if (next.held)
            pending_.push_back(next.run);
        next = {run, true};
    }

    TraceMemory &memory_ = traceMemory();
    const uchar *bits_;
    qsizetype stride_;
    int width_;
    int height_;
    Reach reach_;
    FoundRuns found_;
    Paint paint_;
    std::vector<PendingRun> &pending_ = memory_.pending;
    std::vector<FillSpan> &spans_ = memory_.spans;
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
        : bits_(image.bits()), stride_(image.bytesPerLine()), colour_(colour | kOpaque),
          store_(colour_)
    {
    }

    TINTARO_HOT void operator()(int y, int x1, int x2) const
    {
        auto *row = reinterpret_cast<Pixel *>(bits_ + std::ptrdiff_t(y) * stride_);
        fillRun(row, x1, x2, colour_, store_);
    }

private:
    uchar *bits_;
    qsizetype stride_;
    Pixel colour_;
    QuadStore store_;
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
    const SameColour surface(pixelAt(image, seed));
    if (surface(fill))
        return findRegion(image, seed, surface); // nothing would change
    return fillRegion(image, seed, surface, fill);
}

FillRegion floodFillBorder(QImage &image, QPoint seed, QRgb border, QRgb fill)
{
    if (!image.rect().contains(seed))
        return {};
    makeRgb32(image);
    return fillRegion(image, seed, NotBorder(border), fill);
}

FillRegion findSurfaceRegion(const QImage &image, QPoint seed)
{
    if (!image.rect().contains(seed))
        return {};
    const QImage rgb = asRgb32(image);
    return findRegion(rgb, seed, SameColour(pixelAt(rgb, seed)));
}

FillRegion findBorderRegion(const QImage &image, QPoint seed, QRgb border)
{
    if (!image.rect().contains(seed))
        return {};
    return findRegion(asRgb32(image), seed, NotBorder(border));
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
