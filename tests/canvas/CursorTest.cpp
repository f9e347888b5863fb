#include "canvas/CursorTemplate.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{

constexpr QRgb black = 0xff000000u;
constexpr QRgb red = 0xffff0000u;
constexpr QRgb white = 0xffffffffu;

enum class Connectivity { Four, Eight };

// The pixels reached from seed through pixels that pass, as a mask indexed y * width + x.
template <typename Passes>
std::vector<bool> component(const QImage &image, QPoint seed, Connectivity connectivity,
                            Passes passes)
{
    const int w = image.width();
    std::vector<bool> reached(static_cast<size_t>(w) * image.height(), false);
    std::vector<QPoint> stack{seed};
    reached[seed.y() * w + seed.x()] = true;
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const bool diagonal = dx != 0 && dy != 0;
                if ((dx == 0 && dy == 0) || (diagonal && connectivity == Connectivity::Four))
                    continue;
                const QPoint q(p.x() + dx, p.y() + dy);
                if (!image.valid(q) || reached[q.y() * w + q.x()] || !passes(image.pixel(q)))
                    continue;
                reached[q.y() * w + q.x()] = true;
                stack.push_back(q);
            }
    }
    return reached;
}

int count(const QImage &image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

bool nearColour(const QImage &image, int x, int y, int reach, QRgb colour)
{
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx)
            if (image.valid(x + dx, y + dy) && image.pixel(x + dx, y + dy) == colour)
                return true;
    return false;
}

} // namespace

TEST(CursorTemplate, IsA39PixelArrowInThreeColoursWithItsTipInTheCorner)
{
    const QImage arrow = makeCursorTemplate();
    ASSERT_EQ(arrow.size(), QSize(39, 39));
    ASSERT_EQ(arrow.format(), QImage::Format_RGB32);
    EXPECT_EQ(count(arrow, black) + count(arrow, red) + count(arrow, white), 39 * 39);
    EXPECT_EQ(arrow.pixel(0, 0), black);
    EXPECT_EQ(arrow.pixel(5, 5), red);
    EXPECT_GE(count(arrow, red), 150) << "too little interior to show the colour";
}

TEST(CursorTemplate, AFillFromTheSeedReachesExactlyTheInteriorWithEitherConnectivity)
{
    const QImage arrow = makeCursorTemplate();
    for (const Connectivity connectivity : {Connectivity::Four, Connectivity::Eight}) {
        const std::vector<bool> reached =
            component(arrow, QPoint(5, 5), connectivity, [](QRgb c) { return c != black; });
        for (int y = 0; y < 39; ++y)
            for (int x = 0; x < 39; ++x)
                ASSERT_EQ(reached[y * 39 + x], arrow.pixel(x, y) == red)
                    << (connectivity == Connectivity::Four ? "4" : "8") << "-connected, at " << x
                    << "," << y;
    }
}

TEST(CursorTemplate, OutlineIsOneClosedLineAtMostThreePixelsThick)
{
    const QImage arrow = makeCursorTemplate();
    const std::vector<bool> outline =
        component(arrow, QPoint(0, 0), Connectivity::Eight, [](QRgb c) { return c == black; });
    for (int y = 0; y < 39; ++y)
        for (int x = 0; x < 39; ++x) {
            if (arrow.pixel(x, y) != black)
                continue;
            ASSERT_TRUE(outline[y * 39 + x]) << "loose black pixel at " << x << "," << y;
            ASSERT_TRUE(nearColour(arrow, x, y, 3, white)) << "thick outline at " << x << "," << y;
            // The narrow point of the arrow is all outline.
            if (x + y > 6) {
                ASSERT_TRUE(nearColour(arrow, x, y, 3, red))
                    << "thick outline at " << x << "," << y;
            }
        }
}

TEST(CursorTemplate, PointsAlongTheDiagonalAndFitsTheVisiblePartOfTheTemplate)
{
    const QImage arrow = makeCursorTemplate();
    // A mirror image of itself across the diagonal it points along.
    QRect drawn;
    for (int y = 0; y < 39; ++y)
        for (int x = 0; x < 39; ++x) {
            ASSERT_EQ(arrow.pixel(x, y), arrow.pixel(y, x)) << x << "," << y;
            if (arrow.pixel(x, y) != white)
                drawn |= QRect(x, y, 1, 1);
        }
    EXPECT_EQ(drawn.topLeft(), QPoint(0, 0));
    EXPECT_GE(drawn.width(), 25);
    EXPECT_LE(drawn.width(), 34) << "the template area shows only the top-left part";
    EXPECT_EQ(drawn.width(), drawn.height());
}
