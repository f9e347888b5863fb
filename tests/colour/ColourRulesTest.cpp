#include "colour/ColourMath.h"

#include <gtest/gtest.h>

// Swatch 0 is the colour, 1 to 7 add 5 per step up to 255, 8 to 15 take 8 per
// step, or drop to 0 where that would go below.
TEST(ShadeSwatches, LighterAndDarkerStepsAreCapped)
{
    const std::tuple<Rgb, int, Rgb> rows[] = {
        {{255, 0, 0}, 0, {255, 0, 0}},     {{255, 0, 0}, 1, {255, 5, 5}},
        {{255, 0, 0}, 7, {255, 35, 35}},   {{255, 0, 0}, 8, {191, 0, 0}},
        {{255, 0, 0}, 15, {135, 0, 0}},    {{250, 10, 100}, 3, {255, 25, 115}},
        {{250, 10, 100}, 13, {146, 0, 0}}, {{1, 1, 1}, 7, {36, 36, 36}},
        {{1, 1, 1}, 8, {0, 0, 0}}};
    for (const auto &[colour, swatch, shade] : rows)
        EXPECT_EQ(shadeSwatchColours(colour.red, colour.green, colour.blue)[swatch], shade)
            << swatch;
}
