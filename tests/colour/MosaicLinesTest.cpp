#include "colour/MosaicLines.h"

#include "platform/Random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

namespace
{

// Hands out the given numbers in order and counts how many were asked for.
struct ScriptedRandom {
    std::vector<double> values;
    std::size_t drawn = 0;
    double operator()() { return values.at(drawn++); }
};

std::array<QLine, 10> linesFromProgramRandom(int width, int height, std::uint64_t seed)
{
    ProgramRandom::seed(seed);
    return mosaicLines(width, height, [] { return ProgramRandom::next(); });
}

} // namespace

TEST(MosaicLines, ScriptedNumbersAreUsedStartThenEndLineByLine)
{
    ScriptedRandom random{{0.0, 0.5, 0.25, 0.75, 0.125, 0.875, 0.375, 0.625, 0.0625, 0.9375,
                           0.5, 0.0, 0.75, 0.25, 0.875, 0.125, 0.625, 0.375, 0.9375, 0.0625}};
    const auto lines = mosaicLines(400, 300, std::ref(random));
    const std::array<QLine, 10> expected{QLine(0, 0, 40, 300),    QLine(100, 0, 140, 300),
                                         QLine(170, 0, 230, 300), QLine(270, 0, 290, 300),
                                         QLine(325, 0, 395, 300), QLine(0, 30, 400, 0),
                                         QLine(0, 105, 400, 75),  QLine(0, 172, 400, 127),
                                         QLine(0, 217, 400, 202), QLine(0, 296, 400, 243)};
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(lines[i], expected[i]);
    }
    EXPECT_EQ(random.drawn, 20u);
}

TEST(MosaicLines, EveryEndStaysInsideItsFifthOn400x300)
{
    for (std::uint64_t seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE(seed);
        const auto lines = linesFromProgramRandom(400, 300, seed);
        for (int j = 0; j < 5; ++j) {
            const QLine down = lines[j];
            EXPECT_EQ(down.y1(), 0);
            EXPECT_EQ(down.y2(), 300);
            for (int x : {down.x1(), down.x2()}) {
                EXPECT_GE(x, 80 * j);
                EXPECT_LT(x, 80 * (j + 1));
            }
            const QLine across = lines[5 + j];
            EXPECT_EQ(across.x1(), 0);
            EXPECT_EQ(across.x2(), 400);
            for (int y : {across.y1(), across.y2()}) {
                EXPECT_GE(y, 60 * j);
                EXPECT_LT(y, 60 * (j + 1));
            }
        }
    }
}

TEST(MosaicLines, SevenPixelWideCanvasPutsLineJAtJOrJPlusOne)
{
    std::set<int> offsetsSeen;
    for (std::uint64_t seed = 1; seed <= 100; ++seed) {
        const auto lines = linesFromProgramRandom(7, 50, seed);
        for (int j = 0; j < 5; ++j) {
            for (int x : {lines[j].x1(), lines[j].x2()}) {
                ASSERT_TRUE(x == j || x == j + 1) << "line " << j << " at " << x;
                offsetsSeen.insert(x - j);
            }
        }
    }
    EXPECT_EQ(offsetsSeen, (std::set<int>{0, 1}));
}

TEST(MosaicLines, ExtremeNumbersReachBothEdgesOfTheBand)
{
    const double justBelowOne = std::nextafter(1.0, 0.0);
    const auto atStart = mosaicLines(400, 300, [] { return 0.0; });
    const auto atEnd = mosaicLines(400, 300, [=] { return justBelowOne; });
    for (int j = 0; j < 5; ++j) {
        EXPECT_EQ(atStart[j], QLine(80 * j, 0, 80 * j, 300));
        EXPECT_EQ(atEnd[j], QLine(80 * j + 79, 0, 80 * j + 79, 300));
        EXPECT_EQ(atStart[5 + j], QLine(0, 60 * j, 400, 60 * j));
        EXPECT_EQ(atEnd[5 + j], QLine(0, 60 * j + 59, 400, 60 * j + 59));
    }
    // With a width that is not a multiple of five the last end passes its band.
    const auto sevenWide = mosaicLines(7, 10, [=] { return justBelowOne; });
    EXPECT_EQ(sevenWide[4].x2(), 5);
}
