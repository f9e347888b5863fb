// Peak resident memory of the main window after 100 painting steps (fills,
// pencil strokes, straight lines) on a 1920 x 1080 canvas, and of an empty
// window of the same size in the same build: the difference is what the
// program holds beyond Qt itself. Offscreen, on a screen just large enough for
// the layout to give the canvas that size. One measurement per process, since
// peak memory is per process:
//   tintaro_memory_bench baseline|paint [application folder]
// bench/memory.sh runs both and prints the comparison.

#include "app/Form1.h"
#include "layout/Placement.h"
#include "support/WindowAccess.h"
#include "platform/LeanMemory.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>

namespace
{
constexpr QSize canvasSize(1920, 1080);
constexpr int twipsPerPixel = 15;     // the offscreen screen is given 96 dpi
constexpr int canvasInsetTwips = 120; // the canvas is the frame less this
constexpr int steps = 100;

// The canvas the layout and the start-up give on a screen of this many pixels.
QSize canvasOnScreen(QSize screen)
{
    const MainWindowGeometry g = arrangeControls(designGeometry(), screen.width() * twipsPerPixel,
                                                 screen.height() * twipsPerPixel);
    const auto pixels = [](int frameTwips) {
        return static_cast<int>(
            std::lround((frameTwips - canvasInsetTwips) / double(twipsPerPixel)));
    };
    return {pixels(g.Picture5.width), pixels(g.Picture5.height)};
}

QSize screenForCanvas()
{
    QSize screen = canvasSize;
    for (int i = 0; i < 4 && canvasOnScreen(screen) != canvasSize; ++i)
        screen += canvasSize - canvasOnScreen(screen);
    return screen;
}

// Points Qt's offscreen platform at a screen of the given size and 96 dpi.
void useOffscreenScreen(QSize screen, const QString &configPath)
{
    QFile config(configPath);
    config.open(QIODevice::WriteOnly);
    config.write(QStringLiteral(R"({"screens": [{"name": "bench", "x": 0, "y": 0,
        "width": %1, "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                     .arg(screen.width())
                     .arg(screen.height())
                     .toUtf8());
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + configPath.toLocal8Bit());
}

long peakResidentKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

bool copyFolder(const QString &from, const QString &to)
{
    QDirIterator entries(from, QDir::Files, QDirIterator::Subdirectories);
    bool ok = true;
    while (entries.hasNext()) {
        const QString source = entries.next();
        if (QFileInfo(source).isExecutable())
            continue; // the program itself is not content
        const QString target = to + source.mid(from.size());
        QDir().mkpath(QFileInfo(target).path());
        ok &= QFile::copy(source, target);
    }
    return ok;
}

// One painting step as a child makes it, each with its own tool chosen with the
// tool icons, at its own place and in a colour other than the last: two in three
// fill an area, the others are a pencil stroke or a straight line, which draws
// on the screen only while the mouse moves.
void paintStep(Form1 &w, int i)
{
    const QSize canvas = w.Picture1->image().size();
    const int tool = i % 3 == 2 ? 1 + (i / 3) % 2 : 0;
    if (static_cast<Tool>(tool) != WindowAccess::paint(w).tool())
        w.Image2_Click(tool);
    WindowAccess::paint(w).setColour({(i * 53) % 256, (i * 101) % 256, (i * 197) % 256});
    const float x = static_cast<float>((i * 397) % canvas.width());
    const float y = static_cast<float>((i * 233) % canvas.height());
    w.Picture1_Mousedown(1, 0, x, y);
    if (tool == 0)
        return;
    for (int move = 1; move <= 10; ++move) {
        w.Picture1_MouseMove(1, 0, x + 15.0f * move, y + 7.0f * move);
        QApplication::processEvents();
    }
    w.Picture1_MouseUp(1, 0, x + 150, y + 70);
}

int emptyWindow(const QRect &screen)
{
    QWidget window;
    window.setGeometry(screen);
    window.show();
    QApplication::processEvents();
    std::printf("baseline peak_rss_kib=%ld window=%dx%d\n", peakResidentKiB(), screen.width(),
                screen.height());
    return 0;
}

int paintedWindow(const QRect &screen, const QString &content)
{
    QTemporaryDir folder;
    if (!copyFolder(content, folder.path())) {
        std::fprintf(stderr, "cannot copy the content of %s\n", qPrintable(content));
        return 1;
    }
    QFile fit(folder.filePath(QStringLiteral("configuracion/adaptar.txt")));
    fit.open(QIODevice::WriteOnly | QIODevice::Truncate);
    fit.write("SI\r\n"); // the drawing is stretched over the whole canvas
    fit.close();

    Form1 window(folder.path());
    window.Form_Load();
    window.setGeometry(screen);
    window.show();
    QApplication::processEvents();
    const QSize canvas = window.Picture1->image().size();
    if (canvas != canvasSize) {
        std::fprintf(stderr, "the canvas is %dx%d, not %dx%d\n", canvas.width(), canvas.height(),
                     canvasSize.width(), canvasSize.height());
        return 1;
    }
    const long afterStart = peakResidentKiB();
    for (int i = 0; i < steps; ++i) {
        paintStep(window, i);
        QApplication::processEvents();
    }
    std::printf("paint peak_rss_kib=%ld after_start_kib=%ld window=%dx%d canvas=%dx%d "
                "steps=%d\n",
                peakResidentKiB(), afterStart, screen.width(), screen.height(), canvas.width(),
                canvas.height(), steps);
    return 0;
}
} // namespace

int main(int argc, char **argv)
{
    keepLargeBlocksApart(); // as the program does
    const bool paint = argc > 1 && std::strcmp(argv[1], "paint") == 0;
    if (argc < 2 || (!paint && std::strcmp(argv[1], "baseline") != 0)) {
        std::fprintf(stderr, "usage: %s baseline|paint [application folder]\n", argv[0]);
        return 2;
    }
    const QSize screen = screenForCanvas();
    QTemporaryDir configFolder;
    useOffscreenScreen(screen, configFolder.filePath(QStringLiteral("screen.json")));
    QApplication app(argc, argv);
    const QRect geometry(QPoint(0, 0), screen);
    if (!paint)
        return emptyWindow(geometry);
    return paintedWindow(geometry, argc > 2 ? QString::fromLocal8Bit(argv[2])
                                            : QStringLiteral(TINTARO_APP_DIR));
}
