#include "platform/LargeImage.h"

#include <cstring>
#include <gtest/gtest.h>

// A large block freed goes to the next request it holds with at most half of
// it to spare, never to a larger one; the block taken is whole (the sanitizer
// build checks every byte written).
TEST(RecordBlocks, TheLastFreedGoesToTheNextRequestItFits)
{
    constexpr std::size_t mb = std::size_t{1} << 20;
    const struct {
        std::size_t freed, asked;
        bool reused;
    } cases[] = {
        {4 * mb, 4 * mb, true},      {4 * mb, 3 * mb, true},         {4 * mb, 2 * mb, true},
        {4 * mb, 4 * mb + 1, false}, {4 * mb, 2 * mb - 4096, false},
    };
    for (const auto &c : cases) {
        void *freed = takeRecordBlock(c.freed);
        giveBackRecordBlock(freed, c.freed);
        void *taken = takeRecordBlock(c.asked);
        std::memset(taken, 1, c.asked);
        EXPECT_EQ(taken == freed, c.reused) << c.freed << " for " << c.asked;
        giveBackRecordBlock(taken, c.asked);
    }
}
