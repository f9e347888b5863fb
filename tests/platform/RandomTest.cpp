#include "platform/Random.h"

#include <gtest/gtest.h>

TEST(ProgramRandom, StaysInUnitIntervalAndRepeatsWithTheSameSeed)
{
    ProgramRandom::seed(7);
    std::vector<double> first;
    for (int i = 0; i < 1000; ++i) {
        const double r = ProgramRandom::next();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        first.push_back(r);
    }
    ProgramRandom::seed(7);
    for (double expected : first)
        ASSERT_EQ(ProgramRandom::next(), expected);
}
