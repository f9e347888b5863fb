#include "platform/Stretch.h"
#include "support/Pictures.h"

namespace
{
// 6 x 2: red has its own bit per column, green its own value per row, blue
// 10 per column, so that every rule gives its own answer.
QImage source()
{
    QImage image(6, 2, QImage::Format_RGB32);
    for (int i = 0; i < 12; ++i)
        image.setPixel(i % 6, i / 6, qRgb(0x80 | 1 << i % 6, i / 6 ? 0x30 : 0x50, 10 * (i % 6)));
    return image;
}
QImage row(const std::vector<QRgb> &pixels)
{
    QImage image(int(pixels.size()), 1, QImage::Format_RGB32);
    for (int x = 0; x < image.width(); ++x)
        image.setPixel(x, 0, pixels[x]);
    return image;
}
} // namespace

// Shrinking, each destination pixel covers source columns [d*6/n, (d+1)*6/n) and
// both rows; the nearest rule takes the pixel under the destination's centre.
TEST(StretchImage, ShrinksByEachModesRule)
{
    const std::pair<StretchMode, std::vector<QRgb>> cases[] = {
        {StretchMode::And, {qRgb(0x80, 0x10, 0), qRgb(0x80, 0x10, 0)}},
        {StretchMode::Or, {qRgb(0x87, 0x70, 30), qRgb(0xB8, 0x70, 62)}},
        {StretchMode::Nearest, {qRgb(0x82, 0x30, 10), qRgb(0x90, 0x30, 40)}},
        {StretchMode::Average, {qRgb(130, 0x40, 10), qRgb(147, 0x40, 40)}},
        {StretchMode::And,
         {qRgb(0x81, 0x10, 0), qRgb(0x80, 0x10, 0), qRgb(0x88, 0x10, 30), qRgb(0x80, 0x10, 32)}},
        {StretchMode::Average,
         {qRgb(0x81, 0x40, 0), qRgb(131, 0x40, 15), qRgb(0x88, 0x40, 30), qRgb(152, 0x40, 45)}},
    };
    for (const auto &[mode, pixels] : cases)
        EXPECT_TRUE(sameImage(stretchImage(source(), int(pixels.size()), 1, mode), row(pixels)))
            << "mode " << int(mode) << ", width " << pixels.size();
}

// Enlarging (or keeping the size), every mode copies the pixel under each
// destination pixel's centre, into a new image or one given, and the result is opaque.
TEST(StretchImage, EnlargesByCopyingThePixelUnderEachCentre)
{
    const QImage argb = source().convertToFormat(QImage::Format_ARGB32);
    const int columns[9] = {0, 1, 1, 2, 3, 3, 4, 5, 5}, rows[3] = {0, 1, 1};
    QImage expected(9, 3, QImage::Format_RGB32);
    for (int i = 0; i < 27; ++i)
        expected.setPixel(i % 9, i / 9, source().pixel(columns[i % 9], rows[i / 9]));
    for (const StretchMode mode :
         {StretchMode::And, StretchMode::Or, StretchMode::Nearest, StretchMode::Average}) {
        const QImage result = stretchImage(argb, 9, 3, mode);
        EXPECT_EQ(result.format(), QImage::Format_RGB32);
        EXPECT_TRUE(sameImage(result, expected)) << "mode " << int(mode);
        EXPECT_TRUE(sameImage(stretchImage(source(), 6, 2, mode), source())) << int(mode);
        for (const QSize size : {QSize(9, 3), QSize(6, 2)}) {
            QImage into(size, QImage::Format_RGB32); // memory already there
            into.fill(Qt::black);
            stretchInto(argb, into, mode);
            EXPECT_TRUE(sameImage(into, size.width() == 9 ? expected : source())) << int(mode);
        }
    }
}
