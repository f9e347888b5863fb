#include "platform/Stretch.h"
#include "support/Pictures.h"

namespace
{
// 6 x 2: red has its own bit per column, green its own value per row, blue
// 10 per column, so that each rule gives its own answer.
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

// Shrinking by the AND rule (how drawings are shrunk), each destination pixel keeps the bits
// common to source columns [d*6/n, (d+1)*6/n) of both rows. The cursor's tests pin OR, the
// mean and the nearest pixel.
TEST(StretchImage, ShrinksByTheAndRule)
{
    using Row = std::vector<QRgb>;
    for (const Row &pixels : {Row{qRgb(0x80, 0x10, 0), qRgb(0x80, 0x10, 0)},
                              Row{qRgb(0x81, 0x10, 0), qRgb(0x80, 0x10, 0), qRgb(0x88, 0x10, 30),
                                  qRgb(0x80, 0x10, 32)}})
        EXPECT_TRUE(
            sameImage(stretchImage(source(), int(pixels.size()), 1, StretchMode::And), row(pixels)))
            << "width " << pixels.size();
}

// Into memory already there (black), at the same size and enlarged: every pixel
// is the source pixel under its centre, whatever the memory held.
TEST(StretchImage, IntoGivenMemoryCopiesThePixelUnderEachCentre)
{
    const QImage argb = source().convertToFormat(QImage::Format_ARGB32);
    const int columns[9] = {0, 1, 1, 2, 3, 3, 4, 5, 5}, rows[3] = {0, 1, 1};
    QImage enlarged(9, 3, QImage::Format_RGB32);
    for (int i = 0; i < 27; ++i)
        enlarged.setPixel(i % 9, i / 9, source().pixel(columns[i % 9], rows[i / 9]));
    for (const QImage &expected : {enlarged, source()}) {
        QImage into(expected.size(), QImage::Format_RGB32);
        into.fill(Qt::black);
        stretchInto(argb, into, StretchMode::And);
        EXPECT_TRUE(sameImage(into, expected)) << expected.width();
    }
}
