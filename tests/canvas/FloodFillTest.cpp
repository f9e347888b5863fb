#include "canvas/FloodFill.h"
#include "support/Pictures.h"

#include <array>
#include <functional>
#include <random>

namespace
{
constexpr QRgb black = 0xFF000000, white = 0xFFFFFFFF, red = 0xFFFF0000, orange = 0xFFFF8000;

// The pixels a region covers; a pixel covered twice fails the test.
std::vector<bool> coverage(const FillRegion &region, QSize size)
{
    std::vector<bool> covered(std::size_t(size.width()) * size.height(), false);
    for (const FillSpan &span : region.spans)
        for (int x = span.x1; x <= span.x2; ++x) {
            const std::size_t i = std::size_t(span.y) * size.width() + x;
            EXPECT_FALSE(covered[i]) << x << "," << span.y;
            covered[i] = true;
        }
    return covered;
}

// The reference: a search over the four side neighbours.
std::vector<bool> area(const QImage &image, QPoint seed, const std::function<bool(QRgb)> &reaches)
{
    const int w = image.width();
    std::vector<bool> inside(std::size_t(w) * image.height(), false);
    std::vector<QPoint> stack{seed};
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        if (!image.valid(p) || inside[std::size_t(p.y()) * w + p.x()] || !reaches(image.pixel(p)))
            continue;
        inside[std::size_t(p.y()) * w + p.x()] = true;
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
            stack.push_back(p + step);
    }
    return inside;
}
} // namespace

// Random pictures of few colours make many small ragged areas, rows of every
// length and areas that turn back on themselves: both fills, the regions they
// return and find, and a texture laid over a region agree with the reference.
TEST(FloodFill, BothFillsAndTheTextureAgreeWithTheReference)
{
    std::mt19937 random(20240607);
    for (int trial = 0; trial < 500; ++trial) {
        SCOPED_TRACE("trial " + std::to_string(trial));
        const int w = 1 + int(random() % 130), h = 1 + int(random() % 40);
        const int blackPercent = std::array{2, 10, 30, 45}[random() % 4],
                  colours = 1 + int(random() % 3);
        QImage start(w, h, QImage::Format_RGB32);
        for (int i = 0; i < w * h; ++i)
            start.setPixel(i % w, i / w,
                           int(random() % 100) < blackPercent
                               ? black
                               : std::array{white, red, orange}[random() % colours]);
        const QPoint seed(int(random() % w), int(random() % h));
        const QRgb fill = std::array{white, black, red, orange}[random() % 4],
                   seedColour = start.pixel(seed);
        const bool border = random() % 2;
        const std::vector<bool> expected =
            border ? area(start, seed, [](QRgb c) { return c != black; })
                   : area(start, seed, [&](QRgb c) { return c == seedColour; });
        QImage filled = start.copy(), textured = start.copy();
        const FillRegion region = border ? floodFillBorder(filled, seed, black, fill)
                                         : floodFillSurface(filled, seed, fill);
        const FillRegion found =
            border ? findBorderRegion(start, seed, black) : findSurfaceRegion(start, seed);
        QImage tile(std::array{1, 3, 7, 100, 700}[trial % 5], 1 + trial % 4, QImage::Format_RGB32);
        for (int i = 0; i < tile.width() * tile.height(); ++i)
            tile.setPixel(i % tile.width(), i / tile.width(), qRgb(i % 256, i / 256, 77));
        paintRegionWithTexture(textured, found, tile);
        QImage expectedFill = start.copy(), expectedTexture = start.copy();
        QRect bounds;
        for (int i = 0; i < w * h; ++i)
            if (expected[i]) {
                expectedFill.setPixel(i % w, i / w, fill);
                expectedTexture.setPixel(i % w, i / w,
                                         tile.pixel(i % w % tile.width(), i / w % tile.height()));
                bounds |= QRect(i % w, i / w, 1, 1);
            }
        ASSERT_TRUE(sameImage(filled, expectedFill));
        ASSERT_TRUE(sameImage(textured, expectedTexture));
        ASSERT_TRUE(coverage(region, start.size()) == expected &&
                    coverage(found, start.size()) == expected);
        ASSERT_TRUE(region.bounds == bounds && found.bounds == bounds);
    }
}
