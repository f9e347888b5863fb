// What a child's hand costs on the canvas, in an offscreen main window: a
// press (undo snapshot, fill, repaint of what changed) against the same fill
// alone, and a pencil segment with its repaint, on a 3840 x 2160 and a
// 1024 x 768 canvas. Counters: repaints of the canvas per press and buffers of
// at least a canvas's size allocated per press (must stay 0).

#include "app/Form1.h"
#include "canvas/FloodFill.h"
#include "platform/Raster.h"

#include <QApplication>
#include <QTemporaryDir>
#include <atomic>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>

// ---- Counting large allocations ---------------------------------------------

extern "C" void *__libc_malloc(std::size_t size);
extern "C" void *__libc_calloc(std::size_t count, std::size_t size);
extern "C" void *__libc_realloc(void *pointer, std::size_t size);

namespace
{
std::atomic<std::size_t> largeSize{SIZE_MAX};
std::atomic<long> largeAllocations{0};

void *counted(void *pointer, std::size_t size)
{
    if (size >= largeSize.load(std::memory_order_relaxed))
        largeAllocations.fetch_add(1, std::memory_order_relaxed);
    return pointer;
}
} // namespace

extern "C" void *malloc(std::size_t size)
{
    return counted(__libc_malloc(size), size);
}

extern "C" void *calloc(std::size_t count, std::size_t size)
{
    return counted(__libc_calloc(count, size), count * size);
}

extern "C" void *realloc(void *pointer, std::size_t size)
{
    return counted(__libc_realloc(pointer, size), size);
}

namespace
{

// ---- Pictures -----------------------------------------------------------------

constexpr QRgb black = qRgb(0, 0, 0);
constexpr QRgb white = qRgb(255, 255, 255);

QImage blankCanvas(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(white);
    return image;
}

// Lines 3 pixels wide: a frame, rings and a diagonal, so that the area around
// them is large and ragged, as the background of a colouring page is.
QImage lineDrawing(int width, int height)
{
    QImage image = blankCanvas(width, height);
    const QPointF corners[] = {
        {1, 1}, {width - 2.0, 1}, {width - 2.0, height - 2.0}, {1, height - 2.0}};
    for (int i = 0; i < 4; ++i)
        drawThickLine(image, corners[i], corners[(i + 1) % 4], 3, black);
    drawThickLine(image, {width * 0.1, height * 0.9}, {width * 0.6, height * 0.2}, 3, black);
    for (int i = 0; i < 12; ++i) {
        const QPointF centre(width * (0.1 + 0.07 * i), height * (0.3 + 0.04 * (i % 5)));
        const double radius = height * (0.04 + 0.01 * (i % 4));
        fillCircle(image, centre, radius, black);
        fillCircle(image, centre, radius - 3, white);
    }
    return image;
}

// ---- The window ---------------------------------------------------------------

// Counts the canvas's paint events, to show that each press is repainted.
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

// A shown main window whose canvas holds the picture at its natural size.
struct Window {
    QTemporaryDir folder;
    std::unique_ptr<Form1> form;
    PaintCounter counter;

    explicit Window(const QImage &picture)
    {
        form = std::make_unique<Form1>(folder.path());
        form->resize(picture.size());
        form->Picture5->setGeometry(QRect(QPoint(0, 0), picture.size()));
        form->Picture1->setPicture(picture);
        form->Picture1->move(0, 0);
        form->Picture1->show();
        form->Picture1->setDrawWidth(4);
        form->Picture1->installEventFilter(&counter);
        form->fillWithColour = true;
        form->show();
        QApplication::processEvents();
    }

    void pick(QRgb colour)
    {
        form->red = qRed(colour);
        form->green = qGreen(colour);
        form->blue = static_cast<qint16>(qBlue(colour));
    }
};

std::size_t canvasBytes(const QImage &picture)
{
    return static_cast<std::size_t>(picture.sizeInBytes());
}

// Colours that take turns, so that every press changes the whole area.
QRgb turn(long i)
{
    return i % 2 ? qRgb(250, 200, 10) : qRgb(10, 120, 250);
}

void pressEndToEnd(benchmark::State &state, const QImage &picture, QPoint seed)
{
    Window window(picture);
    for (long i = 0; i < 4; ++i) { // fills the undo ring once
        window.pick(turn(i));
        window.form->Picture1_Mousedown(1, 0, seed.x(), seed.y());
        QApplication::processEvents();
    }
    const long paintsBefore = window.counter.paints;
    largeAllocations = 0;
    largeSize = canvasBytes(picture);
    long i = 0;
    for (auto _ : state) {
        window.pick(turn(i++));
        window.form->Picture1_Mousedown(1, 0, seed.x(), seed.y());
        QApplication::processEvents();
    }
    largeSize = SIZE_MAX;
    const double presses = static_cast<double>(state.iterations());
    state.counters["paints/press"] = (window.counter.paints - paintsBefore) / presses;
    state.counters["canvasAllocs/press"] = largeAllocations.load() / presses;
}

void fillAlone(benchmark::State &state, const QImage &picture, QPoint seed)
{
    QImage image = picture.copy();
    long i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(floodFillSurface(image, seed, turn(i++)));
}

// The two other parts of a press, alone: the undo snapshot, and the repaint of
// the whole canvas (what a press that fills everything repaints).
void snapshotAlone(benchmark::State &state, const QImage &picture)
{
    Window window(picture);
    for (int i = 0; i < 4; ++i)
        window.form->SaveUndoStep();
    for (auto _ : state)
        window.form->SaveUndoStep();
}

void repaintAlone(benchmark::State &state, const QImage &picture)
{
    Window window(picture);
    for (auto _ : state) {
        window.form->Picture1->imageChanged(picture.rect());
        QApplication::processEvents();
    }
}

// A stroke going back and forth: each move draws one segment of 40 pixels
// into the canvas and repaints the segment's rectangle.
void pencilSegment(benchmark::State &state, const QImage &picture)
{
    Window window(picture);
    window.form->currentTool = 1;
    const QPointF from(picture.width() / 2.0, picture.height() / 2.0);
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
    state.counters["paints/segment"] =
        (window.counter.paints - paintsBefore) / static_cast<double>(state.iterations());
}

void registerAll()
{
    for (const QSize size : {QSize(3840, 2160), QSize(1024, 768)}) {
        const std::string dims = std::to_string(size.width()) + "x" + std::to_string(size.height());
        const QImage blank = blankCanvas(size.width(), size.height());
        const QImage drawing = lineDrawing(size.width(), size.height());
        const QPoint seed(10, 10);
        for (const auto &[name, picture] : {std::pair{"whole", blank}, {"drawing", drawing}}) {
            benchmark::RegisterBenchmark(("Press/" + dims + "/" + name).c_str(), pressEndToEnd,
                                         picture, seed)
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark(("FillAlone/" + dims + "/" + name).c_str(), fillAlone,
                                         picture, seed)
                ->Unit(benchmark::kMillisecond);
        }
        benchmark::RegisterBenchmark(("SnapshotAlone/" + dims).c_str(), snapshotAlone, blank)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("RepaintAlone/" + dims).c_str(), repaintAlone, blank)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("PencilSegment/" + dims).c_str(), pencilSegment, drawing)
            ->Unit(benchmark::kMicrosecond);
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    registerAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
