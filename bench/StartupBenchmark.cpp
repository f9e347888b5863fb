// Start-up time, stage by stage (bench/startup.sh): the program as it starts
// for a child, but it continues from the title window by itself once that
// window has been painted, prints on standard output when each stage was
// reached (milliseconds since the process began), and quits when the main
// window has painted its first drawing.
//
//   tintaro_startup_bench <application folder>

#include "app/Form1.h"
#include "app/Form2.h"
#include "platform/LeanMemory.h"

#include <QApplication>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <utility>

namespace
{
// Started while the program's statics are initialised, just before main().
QElapsedTimer sinceStart = [] {
    QElapsedTimer timer;
    timer.start();
    return timer;
}();

double now()
{
    return sinceStart.nsecsElapsed() / 1e6;
}

// Runs an action once, after the first paint of a widget has reached the screen.
class AfterFirstPaint : public QObject
{
public:
    AfterFirstPaint(QWidget *widget, std::function<void()> then)
        : QObject(widget), action(std::move(then))
    {
        widget->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && action) {
            watched->removeEventFilter(this);
            // Queued: the painted backing store is flushed before it runs.
            QTimer::singleShot(0, this, std::exchange(action, {}));
        }
        return false;
    }

private:
    std::function<void()> action;
};

struct Stages {
    double titlePainted = 0;
    double mainWindowReady = 0;
};

void armStartupBenchmark(Form2 &title)
{
    auto *stages = new Stages;
    new AfterFirstPaint(&title, [stages, &title] {
        stages->titlePainted = now();
        title.Command1_Click(); // the catalogue work starts here
        stages->mainWindowReady = now();
        Form1 *main = title.mainWindow();
        if (!main)
            return;
        new AfterFirstPaint(main->Picture1, [stages] {
            std::printf("tintaro-bench title_painted_ms=%.1f main_window_ready_ms=%.1f "
                        "first_drawing_ms=%.1f\n",
                        stages->titlePainted, stages->mainWindowReady, now());
            std::fflush(stdout);
            delete stages;
            QCoreApplication::exit(0);
        });
    });
    // A start-up that never paints a drawing must not hang the benchmark.
    QTimer::singleShot(30000, [] {
        std::fprintf(stderr, "tintaro-bench: no drawing painted within 30 s\n");
        QCoreApplication::exit(1);
    });
}
} // namespace

int main(int argc, char **argv)
{
    keepLargeBlocksApart();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tintaro"));
    Form2 title(argc > 1 ? QString::fromLocal8Bit(argv[1])
                         : QCoreApplication::applicationDirPath());
    title.Form_Load();
    armStartupBenchmark(title);
    title.show();
    return app.exec();
}
