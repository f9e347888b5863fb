#include "canvas/FloodFill.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <deque>
#include <functional>
#include <random>
#include <string>

namespace
{

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kGreen = 0xFF00FF00;
constexpr QRgb kOrange = 0xFFFF8000;
constexpr QRgb kMarker = 0xFFFFE0C0; // red 255, green 224, blue 192

// A small image drawn as text: one character per pixel.
QImage picture(std::initializer_list<const char *> rows)
{
    const int width = int(std::strlen(*rows.begin()));
    QImage image(width, int(rows.size()), QImage::Format_RGB32);
    int y = 0;
    for (const char *row : rows) {
        for (int x = 0; x < width; ++x) {
            switch (row[x]) {
            case '#':
                image.setPixel(x, y, kBlack);
                break;
            case 'r':
                image.setPixel(x, y, kRed);
                break;
            case 'g':
                image.setPixel(x, y, kGreen);
                break;
            case 'o':
                image.setPixel(x, y, kOrange);
                break;
            case 'm':
                image.setPixel(x, y, kMarker);
                break;
            default:
                image.setPixel(x, y, kWhite);
                break;
            }
        }
        ++y;
    }
    return image;
}

QImage plain(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Equal images, or the first few differing pixels with their coordinates.
::testing::AssertionResult sameImage(const QImage &actual, const QImage &expected)
{
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure() << "sizes differ";
    std::string differences;
    int count = 0;
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y) && ++count <= 5)
                differences += " (" + std::to_string(x) + ", " + std::to_string(y) + ")";
    if (count == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << count << " pixels differ, first at" << differences;
}

// The pixels a region covers, failing the test if two spans overlap.
std::vector<bool> coverage(const FillRegion &region, QSize size)
{
    std::vector<bool> covered(std::size_t(size.width()) * size.height(), false);
    for (const FillSpan &span : region.spans)
        for (int x = span.x1; x <= span.x2; ++x) {
            const std::size_t i = std::size_t(span.y) * size.width() + x;
            EXPECT_FALSE(covered[i]) << "pixel (" << x << ", " << span.y << ") twice";
            covered[i] = true;
        }
    return covered;
}

// Reference: a plain breadth-first search over the four side neighbours.
std::vector<bool> referenceArea(const QImage &image, QPoint seed,
                                const std::function<bool(QRgb)> &reaches)
{
    const int w = image.width();
    std::vector<bool> inside(std::size_t(w) * image.height(), false);
    if (!image.rect().contains(seed) || !reaches(image.pixel(seed)))
        return inside;
    std::deque<QPoint> queue{seed};
    inside[std::size_t(seed.y()) * w + seed.x()] = true;
    while (!queue.empty()) {
        const QPoint p = queue.front();
        queue.pop_front();
        for (QPoint n : {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)}) {
            const std::size_t i = std::size_t(n.y()) * w + n.x();
            if (image.rect().contains(n) && !inside[i] && reaches(image.pixel(n))) {
                inside[i] = true;
                queue.push_back(n);
            }
        }
    }
    return inside;
}

QRect boundsOf(const std::vector<bool> &area, int width)
{
    QRect bounds;
    for (std::size_t i = 0; i < area.size(); ++i)
        if (area[i])
            bounds |= QRect(int(i % width), int(i / width), 1, 1);
    return bounds;
}

QImage paintedCopy(const QImage &image, const std::vector<bool> &area, QRgb colour)
{
    QImage result = image.copy();
    for (std::size_t i = 0; i < area.size(); ++i)
        if (area[i])
            result.setPixel(int(i % image.width()), int(i / image.width()), colour);
    return result;
}

// A tile whose every pixel tells its own coordinates.
QImage coordinateTile(int width, int height)
{
    QImage tile(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            tile.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 16 + y / 256));
    return tile;
}

int countPixels(const QImage &image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

// White rings between square black walls, each wall opened by one pixel on
// alternate sides: a single area that turns back on itself again and again.
QImage nestedRings(int size)
{
    QImage image = plain(size, size, kWhite);
    for (int d = 2, k = 0; size - 1 - d > d; d += 2, ++k) {
        for (int i = d; i <= size - 1 - d; ++i) {
            image.setPixel(i, d, kBlack);
            image.setPixel(i, size - 1 - d, kBlack);
            image.setPixel(d, i, kBlack);
            image.setPixel(size - 1 - d, i, kBlack);
        }
        image.setPixel(k % 2 ? size - 1 - d : d, size / 2, kWhite);
    }
    return image;
}

} // namespace

TEST(SurfaceFill, PressOnALineRecoloursTheWholeConnectedLineOnly)
{
    QImage image = picture({"..........", //
                            ".######...", //
                            ".#....#.#.", //
                            ".######.#.", //
                            "........#."});
    const QImage before = image.copy();
    const FillRegion region = floodFillSurface(image, {3, 1}, kRed);

    QImage expected = before.copy();
    for (int x = 1; x <= 6; ++x) {
        expected.setPixel(x, 1, kRed);
        expected.setPixel(x, 3, kRed);
    }
    expected.setPixel(1, 2, kRed);
    expected.setPixel(6, 2, kRed);
    EXPECT_TRUE(sameImage(image, expected));
    EXPECT_EQ(region.bounds, QRect(1, 1, 6, 3));
    EXPECT_EQ(image.pixel(8, 3), kBlack) << "the separate line keeps its colour";
}

TEST(BorderFill, PressOnABorderPixelChangesNothing)
{
    QImage image = picture({"....", ".##.", "...."});
    const QImage before = image.copy();
    const FillRegion region = floodFillBorder(image, {1, 1}, kBlack, kRed);
    EXPECT_TRUE(region.isEmpty());
    EXPECT_TRUE(sameImage(image, before));
    EXPECT_TRUE(findBorderRegion(image, {2, 1}, kBlack).isEmpty());
}

TEST(SurfaceFill, AreasOfDifferentColoursStayApart)
{
    QImage image = picture({"rrrggg", "rrrggg", "gggrrr"});
    floodFillSurface(image, {0, 0}, kOrange);
    EXPECT_EQ(countPixels(image, kOrange), 6);
    EXPECT_EQ(image.pixel(3, 0), kGreen);
    EXPECT_EQ(image.pixel(3, 2), kRed) << "red touching only at a corner is another area";
}

TEST(BothFills, DiagonalNeighboursDoNotConnect)
{
    const QImage start = picture({".#.", "#.#", ".#."});
    for (bool border : {false, true}) {
        QImage image = start.copy();
        const FillRegion region = border ? floodFillBorder(image, {1, 1}, kBlack, kRed)
                                         : floodFillSurface(image, {1, 1}, kRed);
        EXPECT_EQ(region.spans, (std::vector<FillSpan>{{1, 1, 1}})) << "border " << border;
        EXPECT_EQ(countPixels(image, kRed), 1) << "border " << border;
    }
}

TEST(BothFills, ReachTheImageEdgesAndCorners)
{
    for (bool border : {false, true}) {
        QImage image = plain(7, 5, kWhite);
        const FillRegion region = border ? floodFillBorder(image, {3, 2}, kBlack, kGreen)
                                         : floodFillSurface(image, {3, 2}, kGreen);
        EXPECT_EQ(countPixels(image, kGreen), 35) << "border " << border;
        EXPECT_EQ(region.bounds, image.rect()) << "border " << border;
        EXPECT_EQ(region.spans.size(), 5u) << "one span per row";
    }
}

TEST(BothFills, FillAnAreaThatTurnsBackOnItselfCompletely)
{
    const QImage start = nestedRings(31);
    const int white = countPixels(start, kWhite);
    for (QPoint seed : {QPoint(0, 0), QPoint(15, 15), QPoint(3, 20)}) {
        QImage surface = start.copy();
        QImage border = start.copy();
        EXPECT_EQ(countPixels(surface, kWhite), white);
        floodFillSurface(surface, seed, kRed);
        floodFillBorder(border, seed, kBlack, kRed);
        EXPECT_EQ(countPixels(surface, kRed), white) << "seed " << seed.x() << ", " << seed.y();
        EXPECT_TRUE(sameImage(border, surface));
    }
}

TEST(BothFills, ScanRowsUpToTheirLastPixelAndNoFurther)
{
    // The last row is scanned in long stretches that end exactly at the
    // image's end, for every width modulo four (the sanitizer build checks
    // that nothing is read beyond it).
    for (int w = 9; w <= 24; ++w) {
        QImage start = plain(w, 3, kWhite);
        for (int x = 1; x < w - 1; ++x)
            start.setPixel(x, 2, kBlack);
        for (bool border : {false, true}) {
            QImage image = start.copy();
            const FillRegion region = border ? floodFillBorder(image, {w / 2, 0}, kBlack, kRed)
                                             : floodFillSurface(image, {w / 2, 0}, kRed);
            EXPECT_EQ(countPixels(image, kRed), 2 * w + 2) << "width " << w;
            EXPECT_EQ(region.spans.size(), 4u) << "width " << w;
        }
    }
}

TEST(BorderFill, SpreadsOverPixelsAlreadyOfTheFillColourAndOtherColours)
{
    // An orange band cuts the area in two; red and marker pixels lie in it;
    // the right part beyond the black wall is another area.
    QImage image = picture({"..o..r.#..", //
                            ".ooo...#.o", //
                            "ooooo.m#..", //
                            "..o..r.#o."});
    const QImage before = image.copy();
    const FillRegion region = floodFillBorder(image, {0, 0}, kBlack, kOrange);

    const auto area = referenceArea(before, {0, 0}, [](QRgb c) { return c != kBlack; });
    EXPECT_TRUE(sameImage(image, paintedCopy(before, area, kOrange)));
    EXPECT_EQ(coverage(region, image.size()), area) << "the orange pixels belong to the region";
    EXPECT_EQ(region.bounds, QRect(0, 0, 7, 4));
    EXPECT_EQ(image.pixel(8, 0), kWhite);
}

TEST(BorderFill, WithTheBorderColourCoversTheWholeArea)
{
    QImage image = picture({".....", ".#.#.", "....."});
    const QImage before = image.copy();
    const FillRegion region = floodFillBorder(image, {0, 0}, kBlack, kBlack);
    EXPECT_EQ(countPixels(image, kBlack), 15);
    EXPECT_EQ(coverage(region, image.size()),
              referenceArea(before, {0, 0}, [](QRgb c) { return c != kBlack; }));
}

TEST(SurfaceFill, SameColourChangesNothingButGivesTheRegion)
{
    QImage image = picture({"..#..", "..#..", "....."});
    const QImage before = image.copy();
    const FillRegion region = floodFillSurface(image, {0, 0}, kWhite);
    EXPECT_TRUE(sameImage(image, before));
    EXPECT_EQ(countPixels(image, kWhite), 13);
    EXPECT_EQ(coverage(region, image.size()), coverage(findSurfaceRegion(before, {0, 0}), {5, 3}));
    EXPECT_EQ(region.bounds, image.rect());
}

TEST(BothFills, SeedOutsideTheImageChangesNothing)
{
    const QImage start = plain(6, 4, kWhite);
    for (QPoint seed : {QPoint(-1, 0), QPoint(0, -1), QPoint(6, 0), QPoint(0, 4)}) {
        QImage image = start.copy();
        EXPECT_TRUE(floodFillSurface(image, seed, kRed).isEmpty());
        EXPECT_TRUE(floodFillBorder(image, seed, kBlack, kRed).isEmpty());
        EXPECT_TRUE(findSurfaceRegion(image, seed).isEmpty());
        EXPECT_TRUE(findBorderRegion(image, seed, kBlack).isEmpty());
        EXPECT_TRUE(sameImage(image, start));
    }
    QImage null;
    EXPECT_TRUE(floodFillSurface(null, {0, 0}, kRed).isEmpty());
}

TEST(BothFills, CompareRedGreenAndBlueOnly)
{
    QImage image = plain(4, 1, kWhite);
    reinterpret_cast<quint32 *>(image.scanLine(0))[2] = 0x00FFFFFF; // white, alpha byte 0
    const FillRegion region = findSurfaceRegion(image, {0, 0});
    EXPECT_EQ(region.spans, (std::vector<FillSpan>{{0, 0, 3}}));
    floodFillBorder(image, {0, 0}, 0x12000000, kRed); // black, with an odd alpha byte
    const auto *row = reinterpret_cast<const quint32 *>(image.constScanLine(0));
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(row[x], kRed) << "painted pixels come out opaque, at " << x;
}

TEST(BothFills, ConvertImagesOfOtherFormats)
{
    QImage image(5, 3, QImage::Format_RGB888);
    image.fill(Qt::white);
    image.setPixel(2, 0, qRgb(0, 0, 0));
    image.setPixel(2, 1, qRgb(0, 0, 0));
    image.setPixel(2, 2, qRgb(0, 0, 0));
    EXPECT_EQ(findSurfaceRegion(image, {0, 0}).bounds, QRect(0, 0, 2, 3));
    EXPECT_EQ(image.format(), QImage::Format_RGB888) << "looking leaves the image as it was";
    floodFillSurface(image, {4, 0}, kGreen);
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_EQ(countPixels(image, kGreen), 6);
}

TEST(FindRegion, LeavesTheImageUntouchedAndMatchesTheFills)
{
    const QImage start = picture({"..r#..", "r.r#.o", "...#oo", "##.#.."});
    const QImage before = start.copy();
    const FillRegion surface = findSurfaceRegion(start, {1, 1});
    const FillRegion border = findBorderRegion(start, {1, 1}, kBlack);
    EXPECT_TRUE(sameImage(start, before));

    QImage surfaceFilled = start.copy();
    QImage borderFilled = start.copy();
    EXPECT_EQ(coverage(floodFillSurface(surfaceFilled, {1, 1}, kGreen), start.size()),
              coverage(surface, start.size()));
    EXPECT_EQ(coverage(floodFillBorder(borderFilled, {1, 1}, kBlack, kGreen), start.size()),
              coverage(border, start.size()));
    EXPECT_EQ(surface.bounds, QRect(0, 0, 3, 4));
    EXPECT_EQ(border.bounds, QRect(0, 0, 3, 4));
}

// Random images with few colours make many small, ragged areas: the fills and
// the regions they return must agree with a plain breadth-first search.
TEST(BothFills, AgreeWithABreadthFirstSearchOnRandomImages)
{
    std::mt19937 random(20240607);
    for (int trial = 0; trial < 400; ++trial) {
        // Widths up to 130 give runs long enough for the four-at-a-time
        // scans, ending anywhere in a quad and at the image's edge.
        const int w = 1 + int(random() % 130);
        const int h = 1 + int(random() % 40);
        const int blackPercent = std::array{2, 10, 30, 45}[random() % 4];
        const int otherColours = 1 + int(random() % 3);
        QImage start(w, h, QImage::Format_RGB32);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                start.setPixel(x, y,
                               int(random() % 100) < blackPercent
                                   ? kBlack
                                   : std::array{kWhite, kRed, kOrange}[random() % otherColours]);
        const QPoint seed(int(random() % w), int(random() % h));
        const QRgb fill = std::array{kWhite, kBlack, kRed, kOrange}[random() % 4];
        const bool border = random() % 2;
        SCOPED_TRACE("trial " + std::to_string(trial));

        const QRgb seedColour = start.pixel(seed);
        const auto area = border
                              ? referenceArea(start, seed, [](QRgb c) { return c != kBlack; })
                              : referenceArea(start, seed, [&](QRgb c) { return c == seedColour; });
        QImage image = start.copy();
        const FillRegion region = border ? floodFillBorder(image, seed, kBlack, fill)
                                         : floodFillSurface(image, seed, fill);
        const FillRegion found =
            border ? findBorderRegion(start, seed, kBlack) : findSurfaceRegion(start, seed);

        ASSERT_TRUE(sameImage(image, paintedCopy(start, area, fill)));
        ASSERT_EQ(coverage(region, image.size()), area);
        ASSERT_EQ(coverage(found, image.size()), area);
        ASSERT_EQ(region.bounds, boundsOf(area, w));
        ASSERT_EQ(found.bounds, region.bounds);
    }
}

TEST(TextureFill, TexturesAnAreaThatTurnsBackOnItselfAndNothingElse)
{
    QImage image = nestedRings(41);
    image.setPixel(0, 0, kBlack); // the outer corner becomes its own small area
    image.setPixel(1, 1, kBlack);
    image.setPixel(0, 1, kBlack);
    image.setPixel(1, 0, kMarker); // marker colour in that other area
    image.setPixel(20, 40, kMarker);
    const QImage before = image.copy();
    const QImage tile = coordinateTile(7, 5);

    const FillRegion region = findSurfaceRegion(image, {20, 20});
    paintRegionWithTexture(image, region, tile);

    const auto area = referenceArea(before, {20, 20}, [](QRgb c) { return c == kWhite; });
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb expected =
                area[std::size_t(y) * 41 + x] ? tile.pixel(x % 7, y % 5) : before.pixel(x, y);
            ASSERT_EQ(image.pixel(x, y), expected) << "at " << x << ", " << y;
        }
    EXPECT_EQ(image.pixel(1, 0), kMarker);
    EXPECT_EQ(image.pixel(20, 40), kMarker);
}

TEST(TextureFill, IsLaidFromTheImageCorner)
{
    QImage image = plain(320, 200, kWhite);
    const QImage tile = coordinateTile(100, 50);
    paintRegionWithTexture(image, findSurfaceRegion(image, {10, 190}), tile);
    EXPECT_EQ(image.pixel(250, 120), tile.pixel(50, 20));
    EXPECT_EQ(image.pixel(250, 120), qRgb(50, 20, 0));
    EXPECT_EQ(image.pixel(0, 0), tile.pixel(0, 0));
    EXPECT_EQ(image.pixel(319, 199), tile.pixel(19, 49));
}

TEST(TextureFill, LaysTilesNarrowerAndWiderThanItsCopyRuns)
{
    // Random ragged regions, painted with tiles of very different widths,
    // against the texture rule applied pixel by pixel.
    std::mt19937 random(77);
    for (QSize tileSize : {QSize(1, 1), QSize(3, 2), QSize(100, 50), QSize(700, 3)}) {
        QImage start(1500, 9, QImage::Format_RGB32);
        for (int y = 0; y < start.height(); ++y)
            for (int x = 0; x < start.width(); ++x)
                start.setPixel(x, y, random() % 50 ? kWhite : kBlack);
        const QImage tile = coordinateTile(tileSize.width(), tileSize.height());
        const FillRegion region = findBorderRegion(start, {750, 4}, kBlack);
        const auto area = coverage(region, start.size());
        QImage image = start.copy();
        paintRegionWithTexture(image, region, tile);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb expected = area[std::size_t(y) * 1500 + x]
                                          ? tile.pixel(x % tileSize.width(), y % tileSize.height())
                                          : start.pixel(x, y);
                ASSERT_EQ(image.pixel(x, y), expected)
                    << "tile " << tileSize.width() << " at " << x << ", " << y;
            }
    }
}

TEST(TextureFill, NullTileOrEmptyRegionLeavesTheImage)
{
    QImage image = picture({"..#", "..#"});
    const QImage before = image.copy();
    paintRegionWithTexture(image, findSurfaceRegion(image, {0, 0}), QImage());
    EXPECT_TRUE(sameImage(image, before));
    paintRegionWithTexture(image, findBorderRegion(image, {2, 0}, kBlack), coordinateTile(2, 2));
    EXPECT_TRUE(sameImage(image, before));
}
