#include "layout/Placement.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

constexpr int twipsPerPixel = 15;

MainWindowGeometry arrangedFor(int widthPixels, int heightPixels)
{
    return arrangeControls(designGeometry(), widthPixels * twipsPerPixel,
                           heightPixels * twipsPerPixel);
}

struct ExpectedPlace {
    std::string control;
    TwipRect actual;
    int left;
    int top;
};

void expectPlaces(const std::vector<ExpectedPlace> &rows)
{
    for (const ExpectedPlace &row : rows) {
        SCOPED_TRACE(row.control);
        EXPECT_EQ(row.actual.left, row.left);
        EXPECT_EQ(row.actual.top, row.top);
    }
}

std::vector<ExpectedPlace> swatchRow(const MainWindowGeometry &g, int first, int top)
{
    std::vector<ExpectedPlace> rows;
    for (int i = 0; i < 8; ++i)
        rows.push_back({"Picture2(" + std::to_string(first + i) + ")", g.Picture2[first + i],
                        4355 + 495 * i, top});
    return rows;
}

} // namespace

TEST(ArrangeControls, ToolColumnOn1024x768)
{
    const MainWindowGeometry g = arrangedFor(1024, 768);
    expectPlaces({
        {"Image2(0)", g.Image2[0], 13970, 40},
        {"Gif89a1", g.Gif89a1, 13970, 40},
        {"Image2(1)", g.Image2[1], 13970, 1445},
        {"Image2(2)", g.Image2[2], 13970, 3300},
        {"Picture4", g.Picture4, 14070, 4615},
        {"Command7", g.Command7, 14070, 5690},
        {"Command8", g.Command8, 14070, 6805},
        {"Command9", g.Command9, 14070, 7920},
    });
}

TEST(ArrangeControls, CanvasFrameAndBottomRowOn1024x768)
{
    const MainWindowGeometry g = arrangedFor(1024, 768);
    expectPlaces({
        {"Picture5", g.Picture5, 1405, 25},
        {"Command5", g.Command5, 1405, 10495},
        {"Command3", g.Command3, 2380, 10495},
        {"Command4", g.Command4, 3355, 10495},
        {"Command10", g.Command10, 8615, 10495},
        {"Command11", g.Command11, 9640, 10495},
        {"Command6", g.Command6, 10970, 10495},
        {"Command1", g.Command1, 11945, 10495},
        {"Command2", g.Command2, 12920, 10495},
        {"Picture7", g.Picture7, 13905, 10425},
    });
    EXPECT_EQ(g.Picture5.width, 12490);
    EXPECT_EQ(g.Picture5.height, 10445);
}

TEST(ArrangeControls, ShadeStripTwoRowsOn1024x768)
{
    const MainWindowGeometry g = arrangedFor(1024, 768);
    expectPlaces(swatchRow(g, 0, 10995)); // lower strip, half a button lower
    expectPlaces(swatchRow(g, 8, 10495)); // upper strip, level with the buttons
    for (const TwipRect &swatch : g.Picture2) {
        EXPECT_EQ(swatch.width, 495);
        EXPECT_EQ(swatch.height, 500);
    }
}

TEST(ArrangeControls, FillsTheScreenEdgesOn1024x768)
{
    const MainWindowGeometry g = arrangedFor(1024, 768);
    const int screenWidth = 1024 * twipsPerPixel;
    const int screenHeight = 768 * twipsPerPixel;
    EXPECT_EQ(g.Picture7.right(), screenWidth);
    EXPECT_EQ(g.Picture7.bottom(), screenHeight);
    for (const TwipRect *button :
         {&g.Command1, &g.Command2, &g.Command3, &g.Command4, &g.Command5, &g.Command6})
        EXPECT_EQ(button->bottom(), screenHeight - 25);
    EXPECT_EQ(g.Picture5.right(), screenWidth - 1465);
    EXPECT_EQ(g.Command2.right(), g.Picture5.right());
}

TEST(ArrangeControls, BottomButtonsTakeCommand3Size)
{
    MainWindowGeometry design = designGeometry();
    design.Command3 = TwipRect{0, 0, 900, 1200};
    design.Command1 = TwipRect{0, 0, 10, 10};
    const MainWindowGeometry g = arrangeControls(design, 15360, 11520);
    for (const TwipRect *button :
         {&g.Command1, &g.Command2, &g.Command4, &g.Command5, &g.Command6}) {
        EXPECT_EQ(button->width, 900);
        EXPECT_EQ(button->height, 1200);
    }
    // A taller Command3 shortens the frame and lowers the swatches by half of it.
    EXPECT_EQ(g.Picture5.height, 11520 - 1200 - 75);
    EXPECT_EQ(g.Picture2[0].top, g.Picture2[8].top + 600);
}

TEST(ArrangeControls, HalfButtonHeightIsTruncated)
{
    MainWindowGeometry design = designGeometry();
    design.Command3.height = 999;
    const MainWindowGeometry g = arrangeControls(design, 15360, 11520);
    EXPECT_EQ(g.Picture2[0].top - g.Picture2[8].top, 499);
}

TEST(ArrangeControls, ControlsOverlapOn800x600)
{
    const MainWindowGeometry g = arrangedFor(800, 600);
    expectPlaces({
        {"Command6", g.Command6, 7610, 7975},
        {"Command1", g.Command1, 8585, 7975},
        {"Command10", g.Command10, 8615, 7975},
        {"Command11", g.Command11, 9640, 7975},
    });
    // Command1 runs into the save button and Command6 into the shade strip.
    EXPECT_GT(g.Command1.right(), g.Command10.left);
    EXPECT_LT(g.Command6.left, g.Picture2[15].right());
}

TEST(ArrangeControls, LeavesPaletteAndHiddenImagesWhereDesigned)
{
    const MainWindowGeometry design = designGeometry();
    const MainWindowGeometry g = arrangeControls(design, 15360, 11520);
    EXPECT_EQ(g.Picture6.left, 0);
    EXPECT_EQ(g.Picture6.top, 0);
    EXPECT_EQ(g.Picture6.width, design.Picture6.width);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(g.Image1[i].left, design.Image1[i].left);
        EXPECT_EQ(g.Image1[i].top, design.Image1[i].top);
    }
}

TEST(ArrangeControls, FrameFollowsThePaletteWidth)
{
    MainWindowGeometry design = designGeometry();
    design.Picture6.width = 2000;
    const MainWindowGeometry g = arrangeControls(design, 15360, 11520);
    EXPECT_EQ(g.Picture5.left, 2025);
    EXPECT_EQ(g.Picture5.width, 15360 - 2025 - 1440 - 25);
    EXPECT_EQ(g.Command5.left, 2025);
}
