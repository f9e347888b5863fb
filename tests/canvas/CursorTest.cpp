#include "canvas/CursorImage.h"
#include "support/Pictures.h"

namespace
{
constexpr QRgb black = 0xFF000000u, white = 0xFFFFFFFFu;
} // namespace

// Three source pixels become one: AND, OR, the middle one, their mean; a mode
// number outside 1 to 4 scales by nearest.
TEST(CursorImage, StretchModeNumberChoosesTheScaling)
{
    const QRgb grey = qRgb(170, 170, 170);
    const std::tuple<int, QRgb, QRgb> cases[] = {{1, black, black}, {2, white, white},
                                                 {3, black, white}, {4, grey, grey},
                                                 {0, black, white}, {200, black, white}};
    for (const auto &[mode, fromMiddle, fromLeft] : cases) {
        EXPECT_EQ(makeCursorImage(textPicture({".#."}), 1, 1, mode, -1).pixel(0, 0), fromMiddle)
            << mode;
        EXPECT_EQ(makeCursorImage(textPicture({"#.."}), 1, 1, mode, -1).pixel(0, 0), fromLeft)
            << mode;
    }
}

// Exactly the scaled pixels of the transparent colour, packed as red + green *
// 256 + blue * 65536, become transparent; without one (-1) all are opaque; a null
// picture gives a transparent one of the size asked.
TEST(CursorImage, OnlyTheExactTransparentColourDisappears)
{
    const QImage source =
        textPicture({"wcd"}, {{'w', white}, {'c', qRgb(10, 20, 30)}, {'d', qRgb(30, 20, 10)}});
    QImage opaque = source.convertToFormat(QImage::Format_ARGB32), withoutDark = opaque;
    withoutDark.setPixel(1, 0, 0);
    EXPECT_TRUE(
        sameImage(makeCursorImage(source, 3, 1, 3, 10 + 20 * 256 + 30 * 65536), withoutDark));
    EXPECT_TRUE(sameImage(makeCursorImage(source, 3, 1, 3, -1), opaque));
    QImage empty(32, 7, QImage::Format_ARGB32);
    empty.fill(0);
    EXPECT_TRUE(sameImage(makeCursorImage(QImage(), 0, 7, 2, -1), empty));
}
