#pragma once

#include <cstdint>

// The program-wide uniform generator of numbers r with 0 <= r < 1.
// The title window seeds it from the clock; tests give it a fixed seed.
namespace ProgramRandom
{
void seed(std::uint64_t value);
void seedFromClock();
double next();
} // namespace ProgramRandom
