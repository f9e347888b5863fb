#include "canvas/CursorImage.h"
#include "canvas/CursorTemplate.h"
#include "canvas/FloodFill.h"
#include "support/Pictures.h"

namespace
{
constexpr QRgb black = 0xFF000000u, red = 0xFFFF0000u, white = 0xFFFFFFFFu, clear = 0u;
constexpr qint64 packedWhite = 0xFFFFFF;

} // namespace

// A 39-pixel arrow aimed at the top-left corner, mirrored across that diagonal,
// in black, red and white only, fitting the template's 35 pixels: a border fill
// from (5, 5) recolours exactly its red interior.
TEST(CursorTemplate, IsAClosedRedArrowWithItsTipInTheCorner)
{
    const QImage arrow = makeCursorTemplate();
    ASSERT_EQ(arrow.size(), QSize(39, 39));
    QImage filled = arrow.copy();
    floodFillBorder(filled, {5, 5}, black, qRgb(0, 0, 255));
    QRect drawn;
    int interior = 0;
    for (int i = 0; i < 39 * 39; ++i) {
        const QRgb pixel = arrow.pixel(i % 39, i / 39);
        ASSERT_TRUE(pixel == black || pixel == red || pixel == white) << i % 39 << "," << i / 39;
        ASSERT_EQ(pixel, arrow.pixel(i / 39, i % 39));
        ASSERT_EQ(filled.pixel(i % 39, i / 39), pixel == red ? qRgb(0, 0, 255) : pixel);
        drawn |= pixel != white ? QRect(i % 39, i / 39, 1, 1) : QRect();
        interior += pixel == red;
    }
    EXPECT_EQ(arrow.pixel(0, 0), black);
    EXPECT_GE(interior, 150) << "room enough to show the colour";
    EXPECT_TRUE(QRect(0, 0, 35, 35).contains(drawn) && drawn.width() >= 25);
}

// Three source pixels become one: AND, OR, the middle one, their mean; a mode
// number outside 1 to 4 scales by nearest.
TEST(CursorImage, StretchModeNumberChoosesTheScaling)
{
    const QImage middle = textPicture({".#."}), left = textPicture({"#.."});
    const QRgb grey = qRgb(170, 170, 170);
    const struct {
        int mode;
        QRgb middle, left;
    } cases[] = {{1, black, black}, {2, white, white}, {3, black, white},
                 {4, grey, grey},   {0, black, white}, {200, black, white}};
    for (const auto &c : cases) {
        EXPECT_EQ(makeCursorImage(middle, 1, 1, c.mode, -1).pixel(0, 0), c.middle) << c.mode;
        EXPECT_EQ(makeCursorImage(left, 1, 1, c.mode, -1).pixel(0, 0), c.left) << c.mode;
    }
}

// Exactly the scaled pixels of the transparent colour, packed as red + green *
// 256 + blue * 65536, become transparent; without one (-1 or a value that is no
// colour) all are opaque; a null picture gives a transparent one of the size asked.
TEST(CursorImage, OnlyTheExactTransparentColourDisappears)
{
    const QImage source = textPicture({"wabcd"}, {{'w', white},
                                                  {'a', qRgb(254, 255, 255)},
                                                  {'b', qRgb(255, 255, 254)},
                                                  {'c', qRgb(10, 20, 30)},
                                                  {'d', qRgb(30, 20, 10)}});
    const auto row = [&](qint64 key) { return makeCursorImage(source, 5, 1, 3, key); };
    const QImage opaque = source.convertToFormat(QImage::Format_ARGB32);
    QImage withoutWhite = opaque, withoutDark = opaque;
    withoutWhite.setPixel(0, 0, clear);
    withoutDark.setPixel(3, 0, clear);
    EXPECT_TRUE(sameImage(row(packedWhite), withoutWhite));
    EXPECT_TRUE(sameImage(row(10 + 20 * 256 + 30 * 65536), withoutDark));
    for (const qint64 none : {qint64(-1), qint64(0x1000000), qint64(-2147483647)})
        EXPECT_TRUE(sameImage(row(none), opaque)) << none;
    QImage empty(32, 7, QImage::Format_ARGB32);
    empty.fill(clear);
    EXPECT_TRUE(sameImage(makeCursorImage(QImage(), 0, 7, 2, -1), empty));
}
