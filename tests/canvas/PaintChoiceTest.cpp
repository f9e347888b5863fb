#include "canvas/PaintChoice.h"
#include "colour/PenWidth.h"

#include <gtest/gtest.h>

// The first press on the texture preview only switches to the texture; later
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

TEST(PaintChoice, ColourComponentsStayWithinOneByte)
{
    PaintChoice choice;
    EXPECT_EQ(choice.rgb(), qRgb(255, 0, 0)) << "red at start";
    choice.setColour({300, -4, 128});
    EXPECT_EQ(choice.colour(), (Rgb{255, 0, 128}));
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
    EXPECT_EQ(widths[1], 4);
    EXPECT_EQ(widths[19], 40);
    EXPECT_EQ(widths[20], 1);
    EXPECT_EQ(widths[21], 3);
    EXPECT_EQ(widths[39], 39);
    EXPECT_EQ(widths[40], 1);
    EXPECT_EQ(wraps, (std::vector<int>{20, 40}));
}
