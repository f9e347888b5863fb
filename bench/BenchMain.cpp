#include "FillBenchmarks.h"
#include "RatioReport.h"
#include "Scenes.h"
#include "WindowBenchmarks.h"
#include "Yardstick.h"
#include "platform/LeanMemory.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <cstdio>

// Measures the fills on a 4K canvas, a 1920 x 1080 one and a 1024 x 768 one, holds them against
// cv::floodFill in the same run and prints the ratios to their goals.
// Before measuring, every fill is checked pixel for pixel against the
// yardstick: a mismatch stops the run with exit status 1. The presses and
// pencil segments run in an offscreen main window.
int main(int argc, char **argv)
{
    keepLargeBlocksApart(); // as the program does: large blocks come fresh from the system
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;

    std::vector<Scene> scenes;
    for (QSize size : {QSize(3840, 2160), QSize(1920, 1080), QSize(1024, 768)}) {
        scenes.push_back(wholeCanvas(size));
        scenes.push_back(lineDrawing(size));
        if (size.width() != 1920)
            scenes.push_back(corridorMaze(size));
    }

    if (!yardstickAvailable()) {
        std::printf("OpenCV not found: the fills are measured without a yardstick.\n");
    } else if (!fillsMatchYardstick(scenes)) {
        std::fprintf(stderr, "The fills do not match cv::floodFill: not measuring.\n");
        return 1;
    } else {
        std::printf("Every fill matches cv::floodFill pixel for pixel.\n");
    }

    const std::vector<RatioTarget> targets = registerFillBenchmarks(scenes);
    const std::vector<RatioTarget> pressTargets = registerWindowBenchmarks(scenes);

    RatioReport report;
    benchmark::RunSpecifiedBenchmarks(&report);
    benchmark::Shutdown();
    if (yardstickAvailable())
        report.printRatios(targets, "CPU time per fill in ms, and as a fraction of the "
                                    "yardstick's on the same canvas in the same run:");
    report.printRatios(pressTargets, "CPU time per press in ms, and as a fraction of the "
                                     "surface fill alone on the same canvas (Press), or of the "
                                     "tenth press after start-up (StartPress):");
    return 0;
}
