#include "WindowBenchmarks.h"

#include "AllocationCounter.h"
#include "app/Form1.h"
#include "layout/Placement.h"
#include "support/WindowAccess.h"

#include <QApplication>
#include <QDirIterator>
#include <QTemporaryDir>
#include <chrono>
#include <memory>
#include <sys/resource.h>
#include <thread>
#include <utility>

namespace
{

// Counts the canvas's paint events, to show that every step is repainted.
class PaintCounter : public QObject
{
public:
    long paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

// A shown main window whose canvas holds the picture at its natural size,
// with the fill tool and the colour of a fill on other drawings.
struct Window {
    QTemporaryDir folder;
    std::unique_ptr<Form1> form;
    PaintCounter counter;

    explicit Window(const QImage &picture) : form(std::make_unique<Form1>(folder.path()))
    {
        form->resize(picture.size());
        form->Picture5->setGeometry(QRect(QPoint(0, 0), picture.size()));
        form->Picture1->setPicture(picture);
        form->Picture1->move(0, 0);
        form->Picture1->show();
        form->Picture1->setDrawWidth(4);
        form->Picture1->installEventFilter(&counter);
        WindowAccess::paint(*form).chooseTool(Tool::Fill);
        WindowAccess::simpleMode(*form) = false;
        form->show();
        QApplication::processEvents();
    }

    // Colours that take turns, so that every press changes the whole area.
    void press(long turn, QPoint at)
    {
        WindowAccess::paint(*form).setColour(turn % 2 ? Rgb{250, 200, 10} : Rgb{10, 120, 250});
        form->Picture1_Mousedown(1, 0, at.x(), at.y());
        QApplication::processEvents(); // the repaint
    }
};

double perIteration(long count, const benchmark::State &state)
{
    return static_cast<double>(count) / static_cast<double>(state.iterations());
}

void pressEndToEnd(benchmark::State &state, const Scene *scene)
{
    Window window(scene->image);
    for (long turn = 0; turn < 4; ++turn) // the undo ring gets its memory once
        window.press(turn, scene->press);
    const long paintsBefore = window.counter.paints;
    startCountingAllocations(static_cast<std::size_t>(scene->image.sizeInBytes()));
    long turn = 0;
    for (auto _ : state)
        window.press(turn++, scene->press);
    const long allocations = stopCountingAllocations();
    state.counters["paints"] = perIteration(window.counter.paints - paintsBefore, state);
    if (allocations >= 0)
        state.counters["canvasAllocs"] = perIteration(allocations, state);
}

void snapshotAlone(benchmark::State &state, const Scene *scene)
{
    Window window(scene->image);
    for (int i = 0; i < 4; ++i)
        window.form->SaveUndoStep();
    for (auto _ : state)
        window.form->SaveUndoStep();
}

// What a press that changes the whole canvas repaints.
void repaintAlone(benchmark::State &state, const Scene *scene)
{
    Window window(scene->image);
    for (auto _ : state) {
        window.form->Picture1->imageChanged(scene->image.rect());
        QApplication::processEvents();
    }
}

// A stroke going back and forth: each move draws one segment 40 pixels long,
// 4 pixels thick, into the canvas and repaints the segment's rectangle.
void pencilSegment(benchmark::State &state, const Scene *scene)
{
    Window window(scene->image);
    WindowAccess::paint(*window.form).chooseTool(Tool::Pencil);
    const QPointF from(scene->image.width() / 2.0, scene->image.height() / 2.0);
    const QPointF to = from + QPointF(32, 24);
    window.form->Picture1_Mousedown(1, 0, from.x(), from.y());
    QApplication::processEvents();
    const long paintsBefore = window.counter.paints;
    long i = 0;
    for (auto _ : state) {
        const QPointF at = i++ % 2 ? from : to;
        window.form->Picture1_MouseMove(1, 0, at.x(), at.y());
        QApplication::processEvents();
    }
    state.counters["paints"] = perIteration(window.counter.paints - paintsBefore, state);
}

// A copy of the default content whose drawings are stretched over the canvas.
class StretchedContent
{
public:
    StretchedContent()
    {
        const QString from = QStringLiteral(TINTARO_APP_DIR);
        QDirIterator entries(from, QDir::Files, QDirIterator::Subdirectories);
        while (entries.hasNext()) {
            const QString source = entries.next();
            if (QFileInfo(source).isExecutable())
                continue; // the program itself is not content
            const QString target = folder.path() + source.mid(from.size());
            QDir().mkpath(QFileInfo(target).path());
            QFile::copy(source, target);
        }
        QFile fit(folder.filePath(QStringLiteral("configuracion/adaptar.txt")));
        fit.open(QIODevice::WriteOnly | QIODevice::Truncate);
        fit.write("SI\r\n");
    }
    QString path() const { return folder.path(); }

private:
    QTemporaryDir folder;
};

// The screen, in pixels at 96 dpi, on which the layout makes the canvas this size.
QSize screenForCanvas(QSize canvas)
{
    QSize screen = canvas;
    for (int i = 0; i < 4 && stretchedCanvasPixels(screen) != canvas; ++i)
        screen += canvas - stretchedCanvasPixels(screen);
    return screen;
}

// Presses with the fill tool on the first drawing right after start-up, on a
// canvas of the given size: only the press numbered `pressNumber` is timed, in
// a main window started afresh for every iteration. Presses 1 to 4 are held
// against press 10: whatever a press needs that the start-up did not prepare
// shows as the difference. With `pause`, the window waits that long before the
// timed press, as between a child's presses: a press right after another finds
// the canvas in the processor's caches, one after a pause does not.
void pressAfterStartUp(benchmark::State &state, QSize canvas, int pressNumber,
                       std::chrono::milliseconds pause)
{
    static StretchedContent content;
    const QSize screen = screenForCanvas(canvas);
    const auto pageFaults = [] {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        return usage.ru_minflt + usage.ru_majflt;
    };
    long faults = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto form = std::make_unique<Form1>(content.path());
        form->screenSizeTwips = [screen] { return screen * 15; };
        form->Form_Load();
        form->setGeometry(QRect(QPoint(0, 0), screen));
        form->show();
        QApplication::processEvents();
        if (form->Picture1->size() != canvas) {
            state.SkipWithError("the canvas has another size");
            break;
        }
        for (int press = 1; press <= pressNumber; ++press) {
            WindowAccess::paint(*form).setColour(press % 2 ? Rgb{250, 200, 10} : Rgb{10, 120, 250});
            if (press == pressNumber) {
                std::this_thread::sleep_for(pause);
                state.ResumeTiming(), faults -= pageFaults();
            }
            form->Picture1_Mousedown(1, 0, 3, 3); // the paper round the drawing
            form->Picture1_MouseUp(1, 0, 3, 3);
            QApplication::processEvents(); // the repaint
        }
        state.PauseTiming();
        faults += pageFaults();
        form.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    // Pages of memory touched for the first time by the press timed.
    state.counters["pageFaults"] = perIteration(faults, state);
}

std::string sizeLabel(const Scene &scene)
{
    return std::to_string(scene.image.width()) + "x" + std::to_string(scene.image.height());
}

// Qt's raster engine spreads the drawing of large images over several threads,
// so the time is the whole process's.
void add(const std::string &name, void (*run)(benchmark::State &, const Scene *),
         const Scene &scene, benchmark::TimeUnit unit)
{
    benchmark::RegisterBenchmark(name.c_str(), run, &scene)->Unit(unit)->MeasureProcessCPUTime();
}

} // namespace

std::vector<RatioTarget> registerWindowBenchmarks(const std::vector<Scene> &scenes)
{
    std::vector<RatioTarget> targets;
    for (const Scene &scene : scenes) {
        const std::string label = scene.name + "/" + sizeLabel(scene);
        add("Press/" + label, pressEndToEnd, scene, benchmark::kMillisecond);
        targets.push_back({"Press/" + label, "Surface/" + label, 2.0});
        if (scene.name != "Whole")
            continue;
        add("Snapshot/" + sizeLabel(scene), snapshotAlone, scene, benchmark::kMillisecond);
        add("Repaint/" + sizeLabel(scene), repaintAlone, scene, benchmark::kMillisecond);
        add("Pencil/" + sizeLabel(scene), pencilSegment, scene, benchmark::kMicrosecond);
    }
    using std::chrono::milliseconds;
    for (const auto &[canvas, pause] : {std::pair{QSize(1920, 1080), milliseconds(0)},
                                        {QSize(3840, 2160), milliseconds(0)},
                                        {QSize(1920, 1080), milliseconds(300)}}) {
        const std::string size = std::to_string(canvas.width()) + "x" +
                                 std::to_string(canvas.height()) + (pause.count() ? "/paused" : "");
        for (const int press : {1, 2, 3, 4, 10})
            benchmark::RegisterBenchmark(
                ("StartPress" + std::to_string(press) + "/" + size).c_str(), pressAfterStartUp,
                canvas, press, pause)
                ->Unit(benchmark::kMillisecond)
                ->MeasureProcessCPUTime()
                ->Iterations(6);
        for (const int press : {1, 2, 3, 4})
            targets.push_back(
                {"StartPress" + std::to_string(press) + "/" + size, "StartPress10/" + size, 1.2});
    }
    return targets;
}
