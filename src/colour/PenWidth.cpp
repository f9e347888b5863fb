#include "colour/PenWidth.h"

namespace
{
constexpr int thickest = 40;
constexpr int step = 2;
} // namespace

bool PenWidth::next()
{
    const bool wraps = pixels + step > thickest;
    pixels = wraps ? 1 : pixels + step;
    return wraps;
}
