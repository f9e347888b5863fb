#include "platform/CompactImage.h"
#include "support/Pictures.h"

// The pixels come back exactly: runs of every length from one pixel (the edges
// of the four-at-a-time scan), a row of pixels all different (kept whole), a
// picture one pixel wide. A colouring of flat areas keeps a small part of its size.
TEST(CompactImage, GivesThePixelsBackExactly)
{
    QImage runs(37, 9, QImage::Format_RGB32);
    for (int y = 0; y < runs.height(); ++y)
        for (int x = 0, length = 1 + y, colour = 0; x < runs.width(); ++colour)
            for (int i = 0; i < length && x < runs.width(); ++i)
                runs.setPixel(x++, y, qRgb(colour * 40 % 256, y, 7));
    QImage mixed = runs.copy();
    for (int x = 0; x < mixed.width(); ++x)
        mixed.setPixel(x, 4, qRgb(x, 255 - x, x * 3 % 256));
    for (const QImage &picture : {runs, mixed, plainPicture(1, 5, qRgb(1, 2, 3))})
        EXPECT_TRUE(sameImage(CompactImage(picture).image(), picture)) << picture.width();
    EXPECT_LT(CompactImage(lineDrawing(400, 300)).bytes(), 400u * 300 * 4 / 20);
    EXPECT_TRUE(CompactImage(QImage()).image().isNull());
}
