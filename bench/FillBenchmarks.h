#pragma once

#include "RatioReport.h"
#include "Scenes.h"

#include <vector>

// Fills every scene with each of the program's fills and with the yardstick,
// and compares the results pixel for pixel. Prints the first difference and
// returns false on a mismatch.
bool fillsMatchYardstick(const std::vector<Scene> &scenes);

// Registers the fills of every scene (and the yardstick's when it is available)
// and returns the ratios that have goals. The scenes must outlive the run.
std::vector<RatioTarget> registerFillBenchmarks(const std::vector<Scene> &scenes);
