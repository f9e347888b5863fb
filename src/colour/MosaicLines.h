#pragma once

#include <QLine>

#include <array>
#include <functional>

// The ten lines that cut a canvas of width x height pixels into cells: first
// five from the top edge (y = 0) to the bottom edge (y = height), then five from
// the left edge (x = 0) to the right edge (x = width). Line j of each family
// starts and ends inside the j-th fifth of the width (or height); each end is
// placed with its own number from `random` (uniform in [0, 1)), drawn in the
// order start, end, line after line.
std::array<QLine, 10> mosaicLines(int width, int height, const std::function<double()> &random);
