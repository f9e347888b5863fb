#pragma once

// Benchmarks that need the main window's canvas: a press on the canvas end to
// end (undo snapshot + fill + repaint of the changed region, offscreen) and a
// pencil segment with its repaint.
void registerWindowBenchmarks();
