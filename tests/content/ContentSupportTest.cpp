#include "content/ContentSupport.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace
{

// 40 x 30 white picture with two closed boxes and one box open to the border.
QImage twoClosedBoxes(int lineWidth)
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    const auto box = [&](QRect r) {
        p.drawRect(r.x(), r.y(), r.width(), lineWidth);
        p.drawRect(r.x(), r.bottom() - lineWidth + 1, r.width(), lineWidth);
        p.drawRect(r.x(), r.y(), lineWidth, r.height());
        p.drawRect(r.right() - lineWidth + 1, r.y(), lineWidth, r.height());
    };
    box(QRect(2, 2, 14, 12));
    box(QRect(20, 2, 16, 20));
    p.drawRect(0, 24, 12, lineWidth); // open: touches the left edge
    return image;
}

} // namespace

TEST(ContentSupport, FindsOnlyTheAreasThatDoNotTouchTheBorder)
{
    const auto areas = closedWhiteAreas(twoClosedBoxes(3));
    ASSERT_EQ(areas.size(), 2u);
    EXPECT_EQ(areas[0], (14 - 6) * (12 - 6));
    EXPECT_EQ(areas[1], (16 - 6) * (20 - 6));
    EXPECT_EQ(countAreasOfAtLeast(areas, 100), 1);
}

TEST(ContentSupport, AGapOfOnePixelOpensAnArea)
{
    QImage image = twoClosedBoxes(3);
    for (int y = 2; y < 5; ++y)
        image.setPixel(8, y, 0xFFFFFFFF);
    EXPECT_EQ(closedWhiteAreas(image).size(), 1u);
}

TEST(ContentSupport, ThinLineDetectionFindsTheFirstThinPixel)
{
    EXPECT_EQ(firstBlackPixelOutsideSquares(twoClosedBoxes(3), 3), QPoint(-1, -1));
    EXPECT_EQ(firstBlackPixelOutsideSquares(twoClosedBoxes(2), 3), QPoint(2, 2));
    QImage spur = twoClosedBoxes(3);
    spur.setPixel(39, 29, 0xFF000000);
    EXPECT_EQ(firstBlackPixelOutsideSquares(spur, 3), QPoint(39, 29));
    EXPECT_EQ(firstBlackPixelOutsideSquares(twoClosedBoxes(3), 4), QPoint(2, 2));
}

TEST(ContentSupport, ShareOfBoldBlackTellsThickLinesFromThinOnes)
{
    EXPECT_DOUBLE_EQ(shareOfBlackInSquares(twoClosedBoxes(3), 3), 1.0);
    EXPECT_DOUBLE_EQ(shareOfBlackInSquares(twoClosedBoxes(3), 4), 0.0);
    QImage blob(20, 20, QImage::Format_RGB32);
    blob.fill(Qt::white);
    QPainter(&blob).fillRect(2, 2, 10, 10, Qt::black);
    blob.setPixel(15, 15, 0xFF000000);
    EXPECT_DOUBLE_EQ(shareOfBlackInSquares(blob, 5), 100.0 / 101.0);
}

TEST(ContentSupport, GreyIsAnyColourButPureBlackOrWhite)
{
    QImage image = twoClosedBoxes(3);
    EXPECT_EQ(firstGreyPixel(image), QPoint(-1, -1));
    image.setPixel(30, 27, qRgb(1, 0, 0));
    EXPECT_EQ(firstGreyPixel(image), QPoint(30, 27));
}
