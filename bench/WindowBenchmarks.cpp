#include "WindowBenchmarks.h"

#include <cstdio>

// The canvas window (Form1 with Picture1) is not part of the program yet.
// Once it is, register here, on an offscreen platform and the same two canvas
// sizes as the fills:
//   Press/<scene>/<size>   Picture1_Mousedown on the scene, end to end
//                          (goal: at most 2x the fill alone, and no
//                          canvas-sized allocation per press);
//   Pencil/<size>          one pencil segment with its repaint.
void registerWindowBenchmarks()
{
    std::printf("Not measured yet: a press on the canvas end to end and a pencil segment "
                "with its repaint (they need the main window).\n");
}
