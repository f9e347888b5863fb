// The next-drawing button after a fill against the same button without one,
// in a shown main window (Qt's offscreen platform) with drawings stretched to
// a canvas of 1920 x 1080 and of 3840 x 2160. What is timed is the window's
// own wait, from the press to the next drawing painted (wall time); between
// presses, outside the timing, the kept colouring's write is let finish and
// the kept colourings are removed, so that every press loads a line drawing.
//   Next/Plain      nothing painted: nothing is kept
//   Next/AfterFill  a fill first: the colouring goes to disk behind the window
//   Next/Waiting    a fill first, the colouring converted, written and synced
//                   before the next drawing shows, as the button did before
// bench/navigation.sh builds and runs it.

#include "app/Form1.h"
#include "platform/LeanMemory.h"
#include "platform/PictureIO.h"
#include "support/WindowAccess.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <unistd.h>

namespace
{
enum class Before { Nothing, Fill, FillWrittenInFront };

// Three line drawings of 1000 x 700, each a frame with a circle and a cross
// (PNG data: Qt writes no GIF, and the program reads a picture by its content).
void writeContent(const QString &folder)
{
    QDir().mkpath(folder + "/logos");
    QDir().mkpath(folder + "/dibujos/animales");
    QDir().mkpath(folder + "/configuracion");
    QImage logo(20, 20, QImage::Format_RGB32);
    logo.fill(qRgb(200, 100, 0));
    logo.save(folder + "/logos/animales.gif", "PNG"); // read by content, whatever the name
    for (int n = 1; n <= 3; ++n) {
        QImage drawing(1000, 700, QImage::Format_RGB32);
        drawing.fill(Qt::white);
        QPainter painter(&drawing);
        painter.setPen(QPen(Qt::black, 4));
        painter.drawRect(10, 10, 979, 679);
        painter.drawEllipse(QPoint(500, 350), 100 + 50 * n, 150);
        painter.drawLine(10, 350, 989, 350);
        painter.end();
        drawing.save(QString("%1/dibujos/animales/%2.gif").arg(folder).arg(n), "PNG");
    }
    for (const auto &[name, text] : std::map<QString, QByteArray>{
             {"adaptar.txt", "SI"}, {"borra.txt", "NO"}, {"guarda.txt", "NO"}}) {
        QFile file(folder + "/configuracion/" + name);
        file.open(QIODevice::WriteOnly);
        file.write(text);
    }
}

void nextDrawing(benchmark::State &state, QSize canvas, Before before)
{
    // On the disk the program runs from, not in memory: the sync is part of it.
    QTemporaryDir folder(QDir::currentPath() + "/navigation-bench-XXXXXX");
    writeContent(folder.path());
    Form1 form(folder.path());
    form.showMessage = [](const QString &) {}; // no background picture here
    form.Form_Load();
    form.resize(canvas + QSize(40, 40));
    form.Picture5->setGeometry(QRect(QPoint(0, 0), canvas + QSize(8, 8))); // less 120 twips
    form.ShowDrawing();
    form.show();
    QApplication::processEvents();
    WindowAccess::paint(form).chooseTool(Tool::Fill); // colour filling
    for (int turn = 0; state.KeepRunning(); ++turn) {
        if (before != Before::Nothing) {
            WindowAccess::paint(form).setColour(turn % 2 ? Rgb{250, 0, 10} : Rgb{10, 0, 250});
            // Inside the frame, left of the circle, above the cross line.
            form.Picture1_Mousedown(1, 0, canvas.width() / 10.0f, canvas.height() / 4.0f);
            QApplication::processEvents();
        }
        const auto start = std::chrono::steady_clock::now();
        if (before == Before::FillWrittenInFront) {
            writeBitmap(form.Picture1->image(), form.drawingPath(".bmp"));
            WindowAccess::drawingChanged(form) = false;
        }
        form.command4_Click();
        QApplication::processEvents(); // the new drawing painted
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        form.keptColourings.waitFor();
        for (int n = 1; n <= 3; ++n)
            QFile::remove(QString("%1/dibujos/animales/%2.bmp").arg(folder.path()).arg(n));
    }
}

// Keeps each benchmark's median wall time for the ratios at the end.
class Report : public benchmark::ConsoleReporter
{
public:
    std::map<std::string, double> milliseconds;
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs)
            if (!run.error_occurred &&
                (run.run_type == Run::RT_Iteration || run.aggregate_name == "median"))
                milliseconds[run.run_name.function_name] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) *
                    1000.0;
    }
};
} // namespace

int main(int argc, char **argv)
{
    keepLargeBlocksApart(); // as the program does: large blocks come fresh from the system
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    const std::pair<const char *, Before> kinds[] = {{"Plain", Before::Nothing},
                                                     {"AfterFill", Before::Fill},
                                                     {"Waiting", Before::FillWrittenInFront}};
    std::vector<std::string> sizes;
    for (QSize canvas : {QSize(1920, 1080), QSize(3840, 2160)}) {
        sizes.push_back(std::to_string(canvas.width()) + "x" + std::to_string(canvas.height()));
        for (const auto &[name, before] : kinds)
            benchmark::RegisterBenchmark(("Next/" + std::string(name) + "/" + sizes.back()).c_str(),
                                         nextDrawing, canvas, before)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond);
    }
    Report report;
    benchmark::RunSpecifiedBenchmarks(&report);
    benchmark::Shutdown();
    std::printf("\nWall time of the next drawing in ms, and as a fraction of Next/Plain:\n");
    for (const std::string &size : sizes)
        for (const char *name : {"AfterFill", "Waiting"}) {
            const std::string measured = "Next/" + std::string(name) + "/" + size;
            if (!report.milliseconds.count(measured) ||
                !report.milliseconds.count("Next/Plain/" + size))
                continue;
            const double plain = report.milliseconds["Next/Plain/" + size];
            const double ratio = report.milliseconds[measured] / plain;
            std::printf("%-24s %8.2f %8.2f %6.2f  goal <= 1.2 %s\n", measured.c_str(),
                        report.milliseconds[measured], plain, ratio,
                        ratio <= 1.2 ? "met" : "missed");
        }
    return 0;
}
