#include "colour/ColourMath.h"

#include <gtest/gtest.h>

#include <vector>

// Found by GoogleTest through the argument's namespace, so failures show components.
void PrintTo(const Rgb &c, std::ostream *os)
{
    *os << "(" << c.red << ", " << c.green << ", " << c.blue << ")";
}

TEST(SplitPackedColour, TakesRedFromTheLowByteAndBlueFromTheHighOne)
{
    struct Case {
        qint64 packed;
        Rgb expected;
    };
    for (const Case &c : std::vector<Case>{{0, {0, 0, 0}},
                                           {255, {255, 0, 0}},
                                           {0x00FF00, {0, 255, 0}},
                                           {0xFF0000, {0, 0, 255}},
                                           {0xFFFFFF, {255, 255, 255}},
                                           {250 + 10 * 256 + 100 * 65536, {250, 10, 100}},
                                           {0x123456, {0x56, 0x34, 0x12}}}) {
        SCOPED_TRACE(c.packed);
        EXPECT_EQ(splitPackedColour(c.packed), c.expected);
    }
}

TEST(SplitPackedColour, UndoesPackingAndQRgbRoundTrips)
{
    for (const Rgb &c : {Rgb{1, 2, 3}, Rgb{255, 0, 128}, Rgb{4, 0, 0}, Rgb{251, 251, 251}}) {
        EXPECT_EQ(splitPackedColour(packColour(c.red, c.green, c.blue)), c);
        EXPECT_EQ(fromQRgb(toQRgb(c.red, c.green, c.blue)), c);
    }
    EXPECT_EQ(packColour(250, 10, 100), 6556410);
    EXPECT_EQ(toQRgb(250, 10, 100), qRgb(250, 10, 100));
    EXPECT_EQ(fromQRgb(qRgba(7, 8, 9, 0)), (Rgb{7, 8, 9}));
}

TEST(ShadeSwatches, StartStripForRed)
{
    const auto strip = shadeSwatchColours(255, 0, 0);
    EXPECT_EQ(strip[0], (Rgb{255, 0, 0}));
    EXPECT_EQ(strip[1], (Rgb{255, 5, 5}));
    EXPECT_EQ(strip[7], (Rgb{255, 35, 35}));
    EXPECT_EQ(strip[8], (Rgb{191, 0, 0}));
    EXPECT_EQ(strip[15], (Rgb{135, 0, 0}));
}

TEST(ShadeSwatches, LighterCapsEachComponentAndDarkerFloorsIt)
{
    const auto strip = shadeSwatchColours(250, 10, 100);
    EXPECT_EQ(strip[0], (Rgb{250, 10, 100}));
    for (int i = 1; i <= 7; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(strip[i], (Rgb{255, 10 + 5 * i, 100 + 5 * i}));
    }
    EXPECT_EQ(strip[8], (Rgb{186, 0, 36}));
    EXPECT_EQ(strip[12], (Rgb{154, 0, 4}));
    // 100 < 8 * 13: blue drops to 0 rather than going negative.
    EXPECT_EQ(strip[13], (Rgb{146, 0, 0}));
}

TEST(ShadeSwatches, StripForTheAdjustedBlack)
{
    const auto strip = shadeSwatchColours(1, 1, 1);
    EXPECT_EQ(strip[0], (Rgb{1, 1, 1}));
    for (int i = 1; i <= 7; ++i)
        EXPECT_EQ(strip[i], (Rgb{1 + 5 * i, 1 + 5 * i, 1 + 5 * i}));
    EXPECT_EQ(strip[7], (Rgb{36, 36, 36}));
    for (int i = 8; i <= 15; ++i)
        EXPECT_EQ(strip[i], (Rgb{0, 0, 0}));
}

TEST(BlackAdjustments, PalettePickOfBlackBecomesNearlyBlack)
{
    EXPECT_EQ(afterPalettePick(Rgb{0, 0, 0}), (Rgb{1, 1, 1}));
    EXPECT_EQ(afterPalettePick(Rgb{0, 0, 1}), (Rgb{0, 0, 1}));
    EXPECT_EQ(afterPalettePick(Rgb{255, 0, 0}), (Rgb{255, 0, 0}));
}

TEST(BlackAdjustments, SwatchPickOfBlackChangesOnlyInSimpleMode)
{
    EXPECT_EQ(afterSwatchPick(Rgb{0, 0, 0}, true), (Rgb{4, 0, 0}));
    EXPECT_EQ(afterSwatchPick(Rgb{0, 0, 0}, false), (Rgb{0, 0, 0}));
    EXPECT_EQ(afterSwatchPick(Rgb{1, 1, 1}, true), (Rgb{1, 1, 1}));
    EXPECT_EQ(afterSwatchPick(Rgb{0, 1, 0}, true), (Rgb{0, 1, 0}));
}

TEST(PenWidth, EvenThicknessesFromStartThenOddOnesForEver)
{
    std::vector<int> expected;
    for (int w = 4; w <= 40; w += 2)
        expected.push_back(w);
    expected.push_back(1); // the twentieth click
    for (int round = 0; round < 2; ++round) {
        for (int w = 3; w <= 39; w += 2)
            expected.push_back(w);
        expected.push_back(1);
    }

    int penWidth = 2;
    for (std::size_t click = 0; click < expected.size(); ++click) {
        SCOPED_TRACE(click + 1);
        const bool wraps = penWidthWraps(penWidth);
        penWidth = nextPenWidth(penWidth);
        EXPECT_EQ(penWidth, expected[click]);
        EXPECT_EQ(wraps, penWidth == 1);
    }
    EXPECT_EQ(expected[19], 1);
}
