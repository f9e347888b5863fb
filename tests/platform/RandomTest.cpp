#include "platform/Random.h"

#include <gtest/gtest.h>
#include <vector>

TEST(ProgramRandom, StaysInTheUnitIntervalAndRepeatsWithTheSameSeed)
{
    std::vector<double> runs[2];
    for (std::vector<double> &run : runs) {
        ProgramRandom::seed(7);
        for (int i = 0; i < 1000; ++i)
            run.push_back(ProgramRandom::next());
    }
    EXPECT_EQ(runs[0], runs[1]);
    const auto [low, high] = std::minmax_element(runs[0].begin(), runs[0].end());
    EXPECT_TRUE(*low >= 0.0 && *high < 1.0 && *high > 0.99) << *low << " " << *high;
}
