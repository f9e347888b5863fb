// A morning in a classroom, measured: the main window on a copy of the
// default content, on a 1920 x 1080 screen (Qt's offscreen platform), driven
// through a random session that uses every control the way a child does,
// through the widgets' own mouse events. The services that would leave the
// process are replaced: printing goes to a PDF file, opening the last saved
// colouring opens nothing, quitting does not quit. Sounds play through the
// program's own player.
//
// Reports the resident memory (/proc/self/statm) after start-up, at its
// highest after any action, and at the end, in canvas images over the start,
// and for each kind of action how often it ran and how much the resident
// memory grew over all its runs (growth is counted where it happens; memory
// given back later shows as a negative figure of the action that freed it).
//   tintaro_session_bench [actions] [seed] [application folder]
// bench/session.sh builds it and runs it.

#include "app/Form1.h"
#include "platform/LeanMemory.h"
#include "support/WindowAccess.h"

#include <QApplication>
#include <QClipboard>
#include <QDirIterator>
#include <QMimeData>
#include <QMouseEvent>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <functional>
#include <malloc.h>
#include <map>
#include <random>
#include <set>
#include <sys/resource.h>
#include <unistd.h>

namespace
{
constexpr QSize screenSize(1920, 1080);

double residentMiB()
{
    long pages = 0, resident = 0;
    if (FILE *statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// Memory the program holds allocated: what malloc has handed out and not
// taken back, whether or not the allocator has returned freed memory.
double liveHeapMiB()
{
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks + info.hblkhd) / (1024.0 * 1024.0);
}

double peakResidentMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

void useOffscreenScreen(const QString &configPath)
{
    QFile config(configPath);
    config.open(QIODevice::WriteOnly);
    config.write(QStringLiteral(R"({"screens": [{"name": "classroom", "x": 0, "y": 0,
        "width": %1, "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                     .arg(screenSize.width())
                     .arg(screenSize.height())
                     .toUtf8());
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + configPath.toLocal8Bit());
}

bool copyContent(const QString &from, const QString &to)
{
    QDirIterator entries(from, QDir::Files, QDirIterator::Subdirectories);
    int copied = 0;
    while (entries.hasNext()) {
        const QString source = entries.next();
        const QString relative = source.mid(from.size());
        // Not the program, nor what earlier runs kept or saved in the build's folder.
        if (QFileInfo(source).isExecutable() || relative.startsWith(QLatin1String("/Misdibujos")) ||
            (relative.endsWith(QLatin1String(".bmp")) &&
             relative.startsWith(QLatin1String("/dibujos"))))
            continue;
        QDir().mkpath(QFileInfo(to + relative).path());
        copied += QFile::copy(source, to + relative);
    }
    return copied > 0;
}

// Drives the window as a child's mouse does.
class Child
{
public:
    Child(Form1 &window, unsigned seed) : w(window), random(seed) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
    QPoint somewhere(const QWidget *widget)
    {
        return {below(qMax(1, widget->width())), below(qMax(1, widget->height()))};
    }

    void click(QWidget *widget, Qt::MouseButton button = Qt::LeftButton)
    {
        if (!widget->isHidden() && widget->isEnabled())
            QTest::mouseClick(widget, button, {}, somewhere(widget));
    }

    void chooseTool(int tool)
    {
        click(w.Image2[static_cast<std::size_t>(tool)]); // hidden when already chosen
    }

    // A press on the canvas, moves with the button held, a release.
    void stroke(int moves)
    {
        PictureArea *canvas = w.Picture1;
        QPoint at = somewhere(canvas);
        QTest::mousePress(canvas, Qt::LeftButton, {}, at);
        for (int i = 0; i < moves; ++i) {
            at += QPoint(below(81) - 40, below(81) - 40);
            QMouseEvent move(QEvent::MouseMove, at, canvas->mapToGlobal(at), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(canvas, &move);
        }
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, at);
    }

private:
    Form1 &w;
    std::mt19937 random;
};

struct Kind {
    const char *name;
    int weight;
    std::function<void(Form1 &, Child &)> act;
};

std::vector<Kind> kinds()
{
    return {
        {"fill", 20,
         [](Form1 &, Child &c) {
             c.chooseTool(0);
             c.stroke(0);
         }},
        {"pencil drag", 10,
         [](Form1 &, Child &c) {
             c.chooseTool(1);
             c.stroke(1 + c.below(12));
         }},
        {"straight line", 6,
         [](Form1 &, Child &c) {
             c.chooseTool(2);
             c.stroke(1 + c.below(6));
         }},
        {"palette pick", 8, [](Form1 &w, Child &c) { c.click(w.Picture6, Qt::LeftButton); }},
        {"palette double-click", 2,
         [](Form1 &w, Child &c) {
             QTest::mouseDClick(w.Picture6, Qt::LeftButton, {}, c.somewhere(w.Picture6));
         }},
        {"shade pick", 6, [](Form1 &w, Child &c) { c.click(w.Picture2[c.below(16)]); }},
        {"texture", 4,
         [](Form1 &w, Child &c) {
             c.click(w.Picture7, c.below(2) ? Qt::LeftButton : Qt::RightButton);
             c.stroke(0);
         }},
        {"thickness", 3, [](Form1 &w, Child &c) { c.click(w.Picture4); }},
        {"mosaic", 2, [](Form1 &w, Child &c) { c.click(w.Command9); }},
        {"fit toggle", 3, [](Form1 &w, Child &c) { c.click(w.Command7); }},
        {"undo", 8, [](Form1 &w, Child &c) { c.click(w.Command6); }},
        {"next", 6, [](Form1 &w, Child &c) { c.click(w.Command4); }},
        {"previous", 4, [](Form1 &w, Child &c) { c.click(w.Command3); }},
        {"category", 4, [](Form1 &w, Child &c) { c.click(w.Command5); }},
        {"start again", 2, [](Form1 &w, Child &c) { c.click(w.Command1); }},
        {"save", 2, [](Form1 &w, Child &c) { c.click(w.Command10); }},
        {"print", 1, [](Form1 &w, Child &c) { c.click(w.Command8); }},
        {"open", 1, [](Form1 &w, Child &c) { c.click(w.Command11); }},
        {"quit", 1, [](Form1 &w, Child &c) { c.click(w.Command2); }},
    };
}

// The pictures the window holds at the end, each buffer counted once (pictures
// share their pixels until one of them is drawn on), in canvas images. The
// canvas's background picture is left out: it is held compact, and asking for
// it would decode it.
void printHolders(Form1 &w, double canvasMiB)
{
    std::vector<std::pair<QString, QImage>> holders = {
        {"canvas: persistent image", w.Picture1->image()},
        {"drawing holder Picture8", w.Picture8->picture()},
        {"palette", w.Picture6->picture()},
        {"texture preview", w.Picture7->picture()},
        {"window background", WindowAccess::backgroundPicture(w)},
    };
    // The clipboard holds the picture compressed; asking it for the picture
    // would decode a copy.
    if (const QMimeData *clipboard = QGuiApplication::clipboard()->mimeData())
        holders.push_back({"clipboard (PNG)", QImage(clipboard->data("image/png").size() / 4 + 1, 1,
                                                     QImage::Format_RGB32)});
    std::set<const uchar *> seen;
    std::printf("\n| held at the end | canvas images |\n|---|---:|\n");
    for (const auto &[name, image] : holders) {
        if (image.isNull() || !seen.insert(image.constBits()).second)
            continue;
        std::printf("| %s | %.2f |\n", qPrintable(name),
                    image.sizeInBytes() / (1024.0 * 1024.0) / canvasMiB);
    }
}

struct Tally {
    int runs = 0;
    double growthMiB = 0;
    double peakRaiseMiB = 0;
};
} // namespace

int main(int argc, char **argv)
{
    keepLargeBlocksApart(); // as the program does
    const int actions = argc > 1 ? std::atoi(argv[1]) : 2000;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 1;
    const QString content =
        argc > 3 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral(TINTARO_APP_DIR);
    QTemporaryDir work;
    useOffscreenScreen(work.filePath(QStringLiteral("screen.json")));
    QApplication app(argc, argv);
    const QString folder = work.filePath(QStringLiteral("app"));
    if (!copyContent(content, folder)) {
        std::fprintf(stderr, "no content in %s\n", qPrintable(content));
        return 1;
    }
    // One colouring saved on an earlier day, for the open button.
    QDir().mkpath(folder + QStringLiteral("/Misdibujos"));
    QImage(1000, 700, QImage::Format_RGB32)
        .save(folder + QStringLiteral("/Misdibujos/Sin_nombre 6-5-2024--10-0-0.bmp"));

    Form1 w(folder);
    int prints = 0, opens = 0, quits = 0;
    w.showMessage = [](const QString &) {};
    w.quitProgram = [&quits] { ++quits; };
    w.openDocument = [&opens](const QUrl &) { ++opens; };
    const QString pdf = work.filePath(QStringLiteral("printed.pdf"));
    w.openPrinter = [&prints, pdf] {
        ++prints;
        auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return printer;
    };
    w.Form_Load();
    w.setGeometry(QRect(QPoint(0, 0), screenSize));
    w.show();
    QApplication::processEvents();

    const QSize canvas = w.Picture1->image().size();
    const double canvasMiB = canvas.width() * canvas.height() * 4 / (1024.0 * 1024.0);
    const double start = residentMiB(), heapStart = liveHeapMiB();
    double highest = start, heapHighest = heapStart;
    const std::vector<Kind> all = kinds();
    int totalWeight = 0;
    for (const Kind &kind : all)
        totalWeight += kind.weight;
    Child child(w, seed);
    std::map<int, Tally> tallies;
    for (int i = 0; i < actions; ++i) {
        int ticket = child.below(totalWeight), k = 0;
        while (ticket >= all[k].weight)
            ticket -= all[k++].weight;
        const double before = residentMiB();
        const double peakBefore = peakResidentMiB();
        all[k].act(w, child);
        // What the event loop does between two clicks: repaints, deferred deletions.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
        const double after = residentMiB();
        highest = qMax(highest, after);
        heapHighest = qMax(heapHighest, liveHeapMiB());
        tallies[k].runs++;
        tallies[k].growthMiB += after - before;
        tallies[k].peakRaiseMiB += peakResidentMiB() - peakBefore;
    }
    const double end = residentMiB(), heapEnd = liveHeapMiB();

    std::printf("session: %d actions, seed %u, screen %dx%d, canvas %dx%d (%.1f MiB an image)\n",
                actions, seed, screenSize.width(), screenSize.height(), canvas.width(),
                canvas.height(), canvasMiB);
    std::printf("printed %d, opened %d, quit pressed %d\n", prints, opens, quits);
    std::printf("| | resident (MiB) | canvas images over the start | allocated (MiB) | canvas "
                "images over the start |\n|---|---:|---:|---:|---:|\n");
    const auto row = [&](const char *what, double mib, double heap) {
        std::printf("| %s | %.1f | %.2f | %.1f | %.2f |\n", what, mib, (mib - start) / canvasMiB,
                    heap, (heap - heapStart) / canvasMiB);
    };
    row("after start-up", start, heapStart);
    row("highest after an action", highest, heapHighest);
    row("at the end", end, heapEnd);
    std::printf("| peak of the process (getrusage) | %.1f | %.2f | | |\n", peakResidentMiB(),
                (peakResidentMiB() - start) / canvasMiB);
    std::printf("\n| action | runs | resident growth | raised the peak by |\n"
                "|---|---:|---:|---:|\n");
    for (const auto &[k, tally] : tallies)
        std::printf("| %s | %d | %.2f | %.2f |\n", all[k].name, tally.runs,
                    tally.growthMiB / canvasMiB, tally.peakRaiseMiB / canvasMiB);
    printHolders(w, canvasMiB);
    return 0;
}
