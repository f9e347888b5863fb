#include "colour/ColourMath.h"
#include "colour/MosaicLines.h"

#include <gtest/gtest.h>

#include <cmath>

void PrintTo(const Rgb &c, std::ostream *os)
{
    *os << "(" << c.red << ", " << c.green << ", " << c.blue << ")";
}

// Swatch 0 is the colour, 1 to 7 add 5 per step up to 255, 8 to 15 take 8 per
// step, or drop to 0 where that would go below.
TEST(ShadeSwatches, LighterAndDarkerStepsAreCapped)
{
    const std::tuple<Rgb, int, Rgb> rows[] = {
        {{255, 0, 0}, 0, {255, 0, 0}},     {{255, 0, 0}, 1, {255, 5, 5}},
        {{255, 0, 0}, 7, {255, 35, 35}},   {{255, 0, 0}, 8, {191, 0, 0}},
        {{255, 0, 0}, 15, {135, 0, 0}},    {{250, 10, 100}, 3, {255, 25, 115}},
        {{250, 10, 100}, 12, {154, 0, 4}}, {{250, 10, 100}, 13, {146, 0, 0}},
        {{1, 1, 1}, 7, {36, 36, 36}},      {{1, 1, 1}, 8, {0, 0, 0}}};
    for (const auto &[colour, swatch, shade] : rows)
        EXPECT_EQ(shadeSwatchColours(colour.red, colour.green, colour.blue)[swatch], shade)
            << swatch;
}

// Line j runs down from band j of the top edge to band j of the bottom (then
// the same across), each end a random part of a fifth into its band; with a
// width not a multiple of five an end may pass its band by a pixel.
TEST(MosaicLines, TakeTheNumbersStartThenEndLineByLine)
{
    std::vector<double> numbers{0.0, 0.5, 0.25, 0.75, 0.125, 0.875, 0.375, 0.625, 0.0625, 0.9375,
                                0.5, 0.0, 0.75, 0.25, 0.875, 0.125, 0.625, 0.375, 0.9375, 0.0625};
    std::size_t drawn = 0;
    const auto lines = mosaicLines(400, 300, [&] { return numbers.at(drawn++); });
    const std::array<QLine, 10> expected{QLine(0, 0, 40, 300),    QLine(100, 0, 140, 300),
                                         QLine(170, 0, 230, 300), QLine(270, 0, 290, 300),
                                         QLine(325, 0, 395, 300), QLine(0, 30, 400, 0),
                                         QLine(0, 105, 400, 75),  QLine(0, 172, 400, 127),
                                         QLine(0, 217, 400, 202), QLine(0, 296, 400, 243)};
    EXPECT_EQ(lines, expected);
    const double justBelowOne = std::nextafter(1.0, 0.0);
    for (int j = 0; j < 5; ++j) {
        EXPECT_EQ(mosaicLines(400, 300, [] { return 0.0; })[j + 5], QLine(0, 60 * j, 400, 60 * j));
        EXPECT_EQ(mosaicLines(400, 300, [=] { return justBelowOne; })[j],
                  QLine(80 * j + 79, 0, 80 * j + 79, 300));
        EXPECT_EQ(mosaicLines(7, 10, [=] { return justBelowOne; })[j].x2(), j + 1);
    }
}
