#include "platform/Random.h"

#include <chrono>
#include <random>

namespace
{
std::mt19937_64 &engine()
{
    static std::mt19937_64 generator(12345);
    return generator;
}
} // namespace

namespace ProgramRandom
{
void seed(std::uint64_t value)
{
    engine().seed(value);
}

void seedFromClock()
{
    seed(static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
         static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

double next()
{
    // 53 random bits give every representable double in [0, 1) an even chance.
    return static_cast<double>(engine()() >> 11) * 0x1.0p-53;
}
} // namespace ProgramRandom
