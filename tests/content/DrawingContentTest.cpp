#include "content/Content.h"

#include "layout/Placement.h"
#include "platform/Stretch.h"

// Each drawing is pure black and white (whiteAreas checks), with at least eight closed areas big
// enough to colour (about 12 x 12 pixels); shrunk by the AND rule to the canvas of a 1024 x 768
// screen (which never opens an area), eight stay big enough.
TEST(DefaultContent, DrawingsAreColourableLineArtAtEverySize)
{
    int drawings = 0;
    for (const Category &c : categories())
        for (int n = 1; n <= c.count; ++n, ++drawings) {
            SCOPED_TRACE(c.drawing(n).toStdString());
            const QImage drawing = loadPicture(c.drawing(n));
            ASSERT_GE(drawing.width(), 900);
            ASSERT_GE(drawing.height(), 600);
            const Areas areas = whiteAreas(drawing);
            EXPECT_GE(areas.closedOfAtLeast(150), 8);
            const QSize canvas = stretchedCanvasPixels({1024, 768});
            const QImage shrunk =
                stretchImage(drawing, canvas.width(), canvas.height(), StretchMode::And);
            EXPECT_GE(whiteAreas(shrunk).closedOfAtLeast(100), 8);
        }
    EXPECT_GE(drawings, 30);
}

// The title window colours its drawing area by area at random.
TEST(DefaultContent, TitleDrawingIsLineArtWithManyAreas)
{
    const QImage title(":/design/title.png");
    EXPECT_GE(whiteAreas(title).closedOfAtLeast(60), 25);
}
