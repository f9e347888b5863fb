#include "layout/Placement.h"

#include <gtest/gtest.h>

// The places on a 1024 x 768 screen: 15360 x 11520 twips (the window's own test
// checks the texture preview, Command2, Picture2[15], Image2[2] and the frame).
TEST(ArrangeControls, PlacesEveryControlOnA1024x768Screen)
{
    const MainWindowGeometry g = arrangeControls(designGeometry(), 15360, 11520);
    // clang-format off
    const std::tuple<const char *, TwipRect, int, int> rows[] = {
        {"Image2[0]", g.Image2[0], 13970, 40}, {"Image2[1]", g.Image2[1], 13970, 1445},
        {"Picture4", g.Picture4, 14070, 4615}, {"Command7", g.Command7, 14070, 5690},
        {"Command9", g.Command9, 14070, 7920}, {"Command5", g.Command5, 1405, 10495},
        {"Command4", g.Command4, 3355, 10495}, {"Command10", g.Command10, 8615, 10495},
        {"Command11", g.Command11, 9640, 10495}, {"Command1", g.Command1, 11945, 10495},
        {"Picture2[0]", g.Picture2[0], 4355, 10995}, {"Picture2[7]", g.Picture2[7], 7820, 10995},
        {"Picture2[8]", g.Picture2[8], 4355, 10495}, {"Picture6", g.Picture6, 0, 0}};
    // clang-format on
    for (const auto &[control, rect, left, top] : rows) {
        EXPECT_EQ(rect.left, left) << control;
        EXPECT_EQ(rect.top, top) << control;
    }
    EXPECT_EQ(std::pair(g.Picture5.width, g.Picture5.height), std::pair(12490, 10445));
    EXPECT_EQ(std::pair(g.Picture2[5].width, g.Picture2[5].height), std::pair(495, 500));
    EXPECT_EQ(std::pair(g.Picture4.width, g.Picture4.height), std::pair(975, 975));
}

// The bottom buttons take Command3's size, the two swatch rows lie half its
// height apart (truncated), and the frame starts 25 twips right of the palette.
TEST(ArrangeControls, FollowsCommand3AndThePalette)
{
    MainWindowGeometry design = designGeometry();
    design.Command3 = TwipRect{0, 0, 900, 1199};
    design.Picture6.width = 2000;
    const MainWindowGeometry g = arrangeControls(design, 15360, 11520);
    for (const TwipRect &button : {g.Command1, g.Command2, g.Command4, g.Command5, g.Command6})
        EXPECT_EQ(std::pair(button.width, button.height), std::pair(900, 1199));
    EXPECT_EQ(g.Picture2[0].top - g.Picture2[8].top, 599);
    EXPECT_EQ(g.Picture5.height, 11520 - 1199 - 75);
    EXPECT_EQ(g.Picture5.left, 2025);
    EXPECT_EQ(g.Picture5.width, 15360 - 2025 - 1440 - 25);
    EXPECT_EQ(g.Command5.left, 2025);
}
