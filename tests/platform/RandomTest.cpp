#include "platform/Random.h"

#include <gtest/gtest.h>
#include <vector>

TEST(ProgramRandom, StaysInTheUnitIntervalAndRepeatsWithTheSameSeed)
{
    std::vector<double> first, second;
    for (std::vector<double> *run : {&first, &second}) {
        ProgramRandom::seed(7);
        for (int i = 0; i < 1000; ++i)
            run->push_back(ProgramRandom::next());
    }
    EXPECT_EQ(first, second);
    EXPECT_GE(*std::min_element(first.begin(), first.end()), 0.0);
    EXPECT_LT(*std::max_element(first.begin(), first.end()), 1.0);
    EXPECT_GT(*std::max_element(first.begin(), first.end()), 0.99) << "spread over the interval";
}
