#include "content/ContentSupport.h"

#include <QImage>
#include <gtest/gtest.h>

// The window design pictures are compiled into the program's library; a
// static library drops resources nobody references unless they are linked whole.
TEST(DesignResources, LoadWithTheirDesignSizes)
{
    const struct {
        const char *name;
        QSize size;
    } pictures[] = {
        {"Command1", {65, 67}},  {"Command2", {65, 67}}, {"Command3", {65, 67}},
        {"Command4", {65, 67}},  {"Command6", {65, 67}}, {"Command7", {73, 73}},
        {"Command8", {73, 73}},  {"Command9", {73, 73}}, {"Command10", {65, 65}},
        {"Command11", {65, 65}}, {"title", {518, 528}},  {"hand", {113, 41}},
        {"decor", {92, 100}},
    };
    for (const auto &picture : pictures) {
        SCOPED_TRACE(picture.name);
        const QImage image(QString(":/design/") + picture.name + ".png");
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), picture.size);
    }
}

TEST(DesignResources, TitleDrawingIsPureLineArtWithManyAreasToColour)
{
    const QImage title(":/design/title.png");
    ASSERT_FALSE(title.isNull());
    EXPECT_EQ(firstGreyPixel(title), QPoint(-1, -1));
    EXPECT_EQ(firstBlackPixelOutsideSquares(title, 3), QPoint(-1, -1));
    EXPECT_GE(countAreasOfAtLeast(closedWhiteAreas(title), 60), 25);
}
