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
// 256 + blue * 65536, become transparent; without one (-1 or a value that is no
// colour) all are opaque; a null picture gives a transparent one of the size asked.
TEST(CursorImage, OnlyTheExactTransparentColourDisappears)
{
    const QImage source = textPicture({"wabcd"}, {{'w', white},
                                                  {'a', qRgb(254, 255, 255)},
                                                  {'b', qRgb(255, 255, 254)},
                                                  {'c', qRgb(10, 20, 30)},
                                                  {'d', qRgb(30, 20, 10)}});
    const QImage opaque = source.convertToFormat(QImage::Format_ARGB32);
    QImage withoutWhite = opaque, withoutDark = opaque, empty(32, 7, QImage::Format_ARGB32);
    withoutWhite.setPixel(0, 0, 0);
    withoutDark.setPixel(3, 0, 0);
    empty.fill(0);
    const std::pair<qint64, QImage> cases[] = {{0xFFFFFF, withoutWhite},
                                               {10 + 20 * 256 + 30 * 65536, withoutDark},
                                               {-1, opaque},
                                               {0x1000000, opaque}};
    for (const auto &[key, expected] : cases)
        EXPECT_TRUE(sameImage(makeCursorImage(source, 5, 1, 3, key), expected)) << key;
    EXPECT_TRUE(sameImage(makeCursorImage(QImage(), 0, 7, 2, -1), empty));
}
