#include "WindowBenchmarks.h"

#include "AllocationCounter.h"
#include "app/Form1.h"
#include "support/WindowAccess.h"

#include <QApplication>
#include <QTemporaryDir>
#include <memory>

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
    return targets;
}
