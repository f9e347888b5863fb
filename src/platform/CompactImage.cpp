#include "platform/CompactImage.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace
{
// Where the run of one colour that starts at `x` ends (one past its last pixel).
int runEnd(const QRgb *pixels, int x, int width)
{
    const QRgb colour = pixels[x++];
#if defined(__SSE2__)
    // Four pixels compared at once: a colouring's runs are long.
    const __m128i four = _mm_set1_epi32(static_cast<int>(colour));
    for (; x + 4 <= width; x += 4) {
        const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i *>(pixels + x));
        const int same = _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(next, four)));
        if (same != 0xF)
            return x + __builtin_ctz(static_cast<unsigned>(~same));
    }
#endif
    while (x < width && pixels[x] == colour)
        ++x;
    return x;
}

// The runs of one colour in a row, counting no further than `limit`.
quint32 countRuns(const QRgb *pixels, int width, quint32 limit)
{
    quint32 runs = 0;
    for (int x = 0; x < width && runs < limit; ++runs)
        x = runEnd(pixels, x, width);
    return runs;
}
} // namespace

CompactImage::CompactImage(const QImage &image)
{
    if (image.isNull())
        return;
    const QImage source = image.format() == QImage::Format_RGB32
                              ? image
                              : image.convertToFormat(QImage::Format_RGB32);
    const int width = source.width();
    const auto row = [&source](int y) {
        return reinterpret_cast<const QRgb *>(source.constScanLine(y));
    };
    // A row in runs takes two words a run; kept whole, one a pixel. Counted
    // first, so that the memory is taken once, at its size.
    const quint32 limit = static_cast<quint32>(width) / 2;
    std::size_t total = 0;
    for (int y = 0; y < source.height(); ++y) {
        const quint32 runs = countRuns(row(y), width, limit);
        total += 1 + (runs < limit ? 2 * runs : static_cast<quint32>(width));
    }
    words.reserve(total);
    rowStarts.reserve(static_cast<std::size_t>(source.height()));
    for (int y = 0; y < source.height(); ++y) {
        rowStarts.push_back(words.size());
        const QRgb *pixels = row(y);
        const quint32 runs = countRuns(pixels, width, limit);
        if (runs >= limit) {
            words.push_back(wholeRow);
            words.insert(words.end(), pixels, pixels + width);
            continue;
        }
        words.push_back(runs);
        for (int x = 0; x < width;) {
            const int first = x;
            x = runEnd(pixels, x, width);
            words.push_back(static_cast<quint32>(x - first));
            words.push_back(pixels[first]);
        }
    }
    size = source.size();
}

QImage CompactImage::image() const
{
    if (isNull())
        return {};
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    for (int y = 0; y < size.height(); ++y)
        readRow(y, reinterpret_cast<QRgb *>(image.scanLine(y)));
    return image;
}

void CompactImage::readRow(int y, QRgb *pixels) const
{
    auto word = words.begin() + static_cast<std::ptrdiff_t>(rowStarts[static_cast<std::size_t>(y)]);
    const quint32 runs = *word++;
    if (runs == wholeRow) {
        std::copy(word, word + size.width(), pixels);
        return;
    }
    for (quint32 i = 0; i < runs; ++i, word += 2)
        pixels = std::fill_n(pixels, word[0], static_cast<QRgb>(word[1]));
}
