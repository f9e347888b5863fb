#include "canvas/PaintChoice.h"
#include "colour/PenWidth.h"

#include <gtest/gtest.h>

// Red at start. The first press on the texture preview only switches to the texture; later
// ones with the left button step forward, with the right one back, round the
// list, with any other button not at all. A tool choice ends the stepping and
// paints the colour again.
TEST(PaintChoice, TexturePressesSwitchThenStepRound)
{
    enum Button { Left, Right, Middle, ChooseTool };
    const std::pair<Button, int> presses[] = {{Right, 0},      {Left, 1},   {Left, 2},
                                              {Left, 0},       {Middle, 0}, {Right, 2},
                                              {ChooseTool, 2}, {Left, 2},   {Left, 0}};
    PaintChoice choice;
    EXPECT_EQ(choice.rgb(), qRgb(255, 0, 0)) << "red at start";
    for (const auto &[button, texture] : presses) {
        if (button == ChooseTool)
            choice.chooseTool(Tool::Line);
        else
            choice.pressTexturePreview(button == Left, button == Right, 3);
        EXPECT_EQ(choice.texture(), texture);
        EXPECT_EQ(choice.paintsColour(), button == ChooseTool);
        EXPECT_EQ(choice.stepsTextures(), button != ChooseTool);
    }
    EXPECT_FALSE(choice.pressTexturePreview(true, false, 0)) << "no textures: nothing to step to";
    EXPECT_EQ(choice.tool(), Tool::Line);
}

// 2 at start-up, then 2 thicker a click up to 40, then from 1 by two.
TEST(PenWidth, StepsByTwoUpTo40ThenStartsAgainAt1)
{
    PenWidth pen;
    std::vector<int> widths{pen.width()}, wraps;
    for (int click = 1; click <= 42; ++click) {
        if (pen.next())
            wraps.push_back(click);
        widths.push_back(pen.width());
    }
    // clang-format off
    EXPECT_EQ(widths, (std::vector<int>{2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30, 32, 34, 36, 38, 40,
                                        1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23, 25, 27, 29, 31, 33, 35, 37, 39, 1, 3, 5}));
    // clang-format on
    EXPECT_EQ(wraps, (std::vector<int>{20, 40}));
}
