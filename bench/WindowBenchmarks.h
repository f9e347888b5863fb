#pragma once

#include "RatioReport.h"
#include "Scenes.h"

#include <vector>

// Benchmarks that need the main window's canvas, offscreen: a press on the
// canvas end to end (undo snapshot + fill + repaint of the changed region) on
// every scene, beside its two other parts alone, and a pencil segment with its
// repaint. Returns the goals of the presses: at most twice the surface fill
// alone on the same scene. Needs a QApplication; the scenes must outlive the run.
std::vector<RatioTarget> registerWindowBenchmarks(const std::vector<Scene> &scenes);
