#include "canvas/CursorImage.h"
#include "canvas/CursorTemplate.h"
#include "canvas/PictureToIcon.h"

#include <QPixmap>
#include <gtest/gtest.h>

#include <vector>

namespace
{

constexpr QRgb black = 0xff000000u;
constexpr QRgb red = 0xffff0000u;
constexpr QRgb white = 0xffffffffu;
constexpr qint64 packedWhite = 16777215;

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

TEST(CursorImage, TemplateBecomesA32PixelCursorWithWhiteTransparent)
{
    const QImage arrow = makeCursorTemplate();
    const QImage whiteOnBlack = makeCursorImage(arrow, 0, 0, 2, packedWhite);
    const QImage halfTone = makeCursorImage(arrow, 0, 0, 4, packedWhite);
    for (const QImage &cursor : {whiteOnBlack, halfTone}) {
        ASSERT_EQ(cursor.size(), QSize(32, 32));
        ASSERT_EQ(cursor.format(), QImage::Format_ARGB32);
        EXPECT_EQ(cursor.pixel(0, 0), black) << "the tip stays at the hot spot";
        EXPECT_EQ(cursor.pixel(4, 4), red);
        EXPECT_EQ(cursor.pixel(31, 31), 0u);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const QRgb pixel = cursor.pixel(x, y);
                ASSERT_TRUE(pixel == 0u || qAlpha(pixel) == 255) << x << "," << y;
                ASSERT_NE(pixel, white) << "white must be transparent at " << x << "," << y;
            }
    }
    // OR keeps only pixels that are pure colours, half-tone blends along the edges;
    // a pixel is white after averaging only if it is white after OR-ing too.
    EXPECT_EQ(count(whiteOnBlack, black) + count(whiteOnBlack, red) + count(whiteOnBlack, 0u),
              32 * 32);
    EXPECT_LT(count(halfTone, black) + count(halfTone, red) + count(halfTone, 0u), 32 * 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (halfTone.pixel(x, y) == 0u) {
                ASSERT_EQ(whiteOnBlack.pixel(x, y), 0u) << x << "," << y;
            }
}

TEST(CursorImage, OnlyTheExactTransparentColourDisappears)
{
    QImage source(5, 1, QImage::Format_RGB32);
    source.setPixel(0, 0, white);
    source.setPixel(1, 0, qRgb(254, 255, 255));
    source.setPixel(2, 0, qRgb(255, 255, 254));
    source.setPixel(3, 0, qRgb(10, 20, 30));
    source.setPixel(4, 0, qRgb(30, 20, 10));

    const QImage keyWhite = makeCursorImage(source, 5, 1, 3, packedWhite);
    EXPECT_EQ(keyWhite.pixel(0, 0), 0u);
    EXPECT_EQ(keyWhite.pixel(1, 0), qRgb(254, 255, 255));
    EXPECT_EQ(keyWhite.pixel(2, 0), qRgb(255, 255, 254));

    // Packed as red + green * 256 + blue * 65536.
    const QImage keyDark = makeCursorImage(source, 5, 1, 3, 10 + 20 * 256 + 30 * 65536);
    EXPECT_EQ(keyDark.pixel(0, 0), white);
    EXPECT_EQ(keyDark.pixel(3, 0), 0u);
    EXPECT_EQ(keyDark.pixel(4, 0), qRgb(30, 20, 10));
}

TEST(CursorImage, WithoutATransparentColourEveryPixelIsOpaque)
{
    const QImage arrow = makeCursorTemplate();
    for (const qint64 none : {qint64(-1), qint64(0x1000000), qint64(-2147483647)}) {
        const QImage cursor = makeCursorImage(arrow, 0, 0, 2, none);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                ASSERT_EQ(qAlpha(cursor.pixel(x, y)), 255) << x << "," << y;
        EXPECT_EQ(cursor.pixel(31, 31), white);
        EXPECT_GT(count(cursor, white), 0);
    }
}

TEST(CursorImage, EmptySourceIsFullyTransparentAtTheSizeAsked)
{
    for (const QSize asked : {QSize(0, 0), QSize(10, 7), QSize(0, 20)}) {
        const QImage cursor = makeCursorImage(QImage(), asked.width(), asked.height(), 2, -1);
        const QSize expected(asked.width() ? asked.width() : 32,
                             asked.height() ? asked.height() : 32);
        ASSERT_EQ(cursor.size(), expected);
        EXPECT_EQ(count(cursor, 0u), expected.width() * expected.height());
    }
}

TEST(CursorImage, StretchModeNumberChoosesTheScaling)
{
    // Three source pixels become one: AND, OR, the middle one, or their mean.
    QImage lineInMiddle(3, 1, QImage::Format_RGB32);
    QImage lineAtLeft(3, 1, QImage::Format_RGB32);
    lineInMiddle.fill(white);
    lineAtLeft.fill(white);
    lineInMiddle.setPixel(1, 0, black);
    lineAtLeft.setPixel(0, 0, black);
    struct Case {
        int mode;
        QRgb middle;
        QRgb left;
    };
    const QRgb grey = qRgb(170, 170, 170);
    for (const Case c : {Case{1, black, black}, Case{2, white, white}, Case{3, black, white},
                         Case{4, grey, grey}, Case{0, black, white}, Case{200, black, white}}) {
        EXPECT_EQ(makeCursorImage(lineInMiddle, 1, 1, c.mode, -1).pixel(0, 0), c.middle)
            << "mode " << c.mode;
        EXPECT_EQ(makeCursorImage(lineAtLeft, 1, 1, c.mode, -1).pixel(0, 0), c.left)
            << "mode " << c.mode;
    }
}

TEST(CursorImage, IconSourceUsesItsOwnMask)
{
    QImage icon(8, 8, QImage::Format_ARGB32);
    icon.fill(qRgba(0, 0, 0, 0));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 4; ++x)
            icon.setPixel(x, y, qRgba(255, 255, 255, 255));
    icon.setPixel(1, 1, qRgba(0, 200, 0, 100)); // mostly see-through: hidden
    icon.setPixel(2, 2, qRgba(0, 0, 200, 200)); // mostly solid: shown

    const QImage cursor = makeCursorImage(icon, 16, 16, 4, packedWhite);
    ASSERT_EQ(cursor.size(), QSize(16, 16));
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            QRgb expected = x < 8 ? white : 0u;
            if (x / 2 == 1 && y / 2 == 1)
                expected = 0u;
            if (x / 2 == 2 && y / 2 == 2)
                expected = qRgb(0, 0, 200);
            ASSERT_EQ(cursor.pixel(x, y), expected) << x << "," << y;
        }
}

TEST(PictureToIcon, GivesACursorWithItsHotSpotAtTheTip)
{
    const QImage arrow = makeCursorTemplate();
    const QImage expected = makeCursorImage(arrow, 0, 0, 2, packedWhite);
    for (const int kind : {0, 1}) {
        const QCursor cursor = PictureToIcon(arrow, 0, 0, 2, kind, packedWhite);
        EXPECT_EQ(cursor.hotSpot(), QPoint(0, 0));
        ASSERT_EQ(cursor.pixmap().size(), QSize(32, 32));
        EXPECT_EQ(cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32), expected);
    }
    const QCursor empty = PictureToIcon(QImage(), 0, 0, 4, 0, packedWhite);
    EXPECT_EQ(empty.hotSpot(), QPoint(0, 0));
    EXPECT_EQ(count(empty.pixmap().toImage().convertToFormat(QImage::Format_ARGB32), 0u), 32 * 32);
}
