#include "content/ContentSupport.h"
#include "layout/Placement.h"
#include "platform/PictureIO.h"
#include "platform/Stretch.h"

#include <gtest/gtest.h>

namespace
{

// The canvas of a 1024 x 768 screen, where the drawings are shrunk most.
const QSize smallScreenCanvas = stretchedCanvasPixels({1024, 768});

// A white pixel of the shrunk drawing that a fill from the border reaches, but
// whose source lies in a closed area of the original: shrinking opened that area.
QPoint firstLeak(const WhiteAreas &original, QSize originalSize, const WhiteAreas &shrunk,
                 QSize shrunkSize)
{
    for (int y = 0; y < shrunkSize.height(); ++y)
        for (int x = 0; x < shrunkSize.width(); ++x) {
            const int component = shrunk.at({x, y});
            if (component < 0 || shrunk.closed[size_t(component)])
                continue;
            const QPoint source((2 * x + 1) * originalSize.width() / (2 * shrunkSize.width()),
                                (2 * y + 1) * originalSize.height() / (2 * shrunkSize.height()));
            const int before = original.at(source);
            if (before >= 0 && original.closed[size_t(before)])
                return {x, y};
        }
    return {-1, -1};
}

} // namespace

TEST(DrawingShrinkCheck, SeesAnAreaThatShrinkingOpened)
{
    // A box outlined with 1-pixel lines on even rows and columns: the nearest
    // pixel rule at half size drops every line, the AND rule keeps them.
    QImage box(40, 30, QImage::Format_RGB32);
    box.fill(Qt::white);
    for (int i = 4; i <= 24; ++i) {
        box.setPixel(i, 4, 0xFF000000);
        box.setPixel(i, 24, 0xFF000000);
        box.setPixel(4, i, 0xFF000000);
        box.setPixel(24, i, 0xFF000000);
    }
    const WhiteAreas original = labelWhiteAreas(box);
    const QImage nearest = stretchImage(box, 20, 15, StretchMode::Nearest);
    EXPECT_NE(firstLeak(original, box.size(), labelWhiteAreas(nearest), nearest.size()),
              QPoint(-1, -1));
    const QImage anded = stretchImage(box, 20, 15, StretchMode::And);
    EXPECT_EQ(firstLeak(original, box.size(), labelWhiteAreas(anded), anded.size()),
              QPoint(-1, -1));
}

TEST(DefaultDrawings, ShrinkingToASmallScreenWithTheAndRuleKeepsEveryAreaClosed)
{
    const QStringList drawings = allDrawingPaths();
    ASSERT_FALSE(drawings.isEmpty());
    for (const QString &path : drawings) {
        SCOPED_TRACE(path.toStdString());
        const QImage drawing = loadPicture(path).convertToFormat(QImage::Format_RGB32);
        const QImage shrunk = stretchImage(drawing, smallScreenCanvas.width(),
                                           smallScreenCanvas.height(), StretchMode::And);
        ASSERT_EQ(shrunk.size(), smallScreenCanvas);
        const WhiteAreas shrunkAreas = labelWhiteAreas(shrunk);
        const QPoint leak =
            firstLeak(labelWhiteAreas(drawing), drawing.size(), shrunkAreas, shrunk.size());
        EXPECT_EQ(leak, QPoint(-1, -1)) << "area opened at " << leak.x() << "," << leak.y();
        EXPECT_GE(countAreasOfAtLeast(closedWhiteAreas(shrunk), 100), 8);
    }
}
