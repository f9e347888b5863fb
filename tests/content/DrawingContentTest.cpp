#include "content/ContentSupport.h"
#include "platform/PictureIO.h"

#include <gtest/gtest.h>

namespace
{

// An area smaller than this (about 12 x 12 pixels) is a speck, not something to colour.
constexpr int colourableArea = 150;

} // namespace

TEST(DefaultDrawings, AreStrictlyBlackAndWhiteWithLinesAtLeastThreePixelsWide)
{
    const QStringList drawings = allDrawingPaths();
    ASSERT_GE(drawings.size(), 30);
    for (const QString &path : drawings) {
        SCOPED_TRACE(path.toStdString());
        const QImage drawing = loadPicture(path);
        ASSERT_FALSE(drawing.isNull());
        EXPECT_GE(drawing.width(), 900);
        EXPECT_GE(drawing.height(), 600);
        const QPoint grey = firstGreyPixel(drawing);
        EXPECT_EQ(grey, QPoint(-1, -1)) << "grey pixel at " << grey.x() << "," << grey.y();
        const QPoint thin = firstBlackPixelOutsideSquares(drawing, 3);
        EXPECT_EQ(thin, QPoint(-1, -1))
            << "line thinner than 3 px at " << thin.x() << "," << thin.y();
    }
}

TEST(DefaultDrawings, EachHasAtLeastEightClosedAreasToColour)
{
    const QStringList drawings = allDrawingPaths();
    ASSERT_FALSE(drawings.isEmpty());
    for (const QString &path : drawings) {
        SCOPED_TRACE(path.toStdString());
        const auto areas = closedWhiteAreas(loadPicture(path));
        EXPECT_GE(countAreasOfAtLeast(areas, colourableArea), 8);
    }
}

TEST(DefaultDrawings, SimpleCategoryHasBoldLinesAndFewLargeAreas)
{
    bool found = false;
    for (const ContentCategory &c : contentCategories()) {
        if (!c.base.contains("peque"))
            continue;
        found = true;
        for (int n = 1; n <= c.drawingCount; ++n) {
            const QString path = appPath("dibujos/" + c.base + "/" + QString::number(n) + ".gif");
            SCOPED_TRACE(path.toStdString());
            const QImage drawing = loadPicture(path);
            EXPECT_GE(shareOfBlackInSquares(drawing, 11), 0.9) << "lines about twice as bold";
            const auto areas = closedWhiteAreas(drawing);
            const int colourable = countAreasOfAtLeast(areas, colourableArea);
            EXPECT_LE(colourable, 30);
            EXPECT_GE(countAreasOfAtLeast(areas, 8000), 3)
                << "a few areas big enough for small hands";
        }
    }
    EXPECT_TRUE(found);
}
