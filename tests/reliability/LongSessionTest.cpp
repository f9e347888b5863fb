#include "app/Form1.h"
#include "platform/Random.h"
#include "reliability/ContentSandbox.h"
#include "reliability/EveryControl.h"
#include "reliability/RandomActions.h"
#include "reliability/SafetyChecks.h"
#include "reliability/WindowInvariants.h"
#include "reliability/WrittenFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <array>
#include <gtest/gtest.h>
#include <malloc.h>
#include <map>
#include <unistd.h>

// Thousands of random actions on the default content with a fixed seed. After
// each one: the state fields in range, the canvas the size its presentation
// gives it, every file written a whole bitmap of the canvas's size; and
// memory, once the undo ring is full, not growing.

#if defined(__SANITIZE_ADDRESS__)
#define TINTARO_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TINTARO_UNDER_ASAN 1
#endif
#endif

namespace
{
constexpr int actionCount = 3000;
#ifdef TINTARO_UNDER_ASAN
// The sanitizer's allocator holds freed memory back on purpose.
constexpr bool measuresMemory = false;
#else
constexpr bool measuresMemory = true;
#endif
// By then the undo ring has long been full and the window's caches are warm.
constexpr int warmUpActions = 300;

// The resident set, after handing back to the system what the allocator
// holds free, so that the number follows the memory in use.
long long residentBytes()
{
    ::malloc_trim(0);
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * ::sysconf(_SC_PAGESIZE) : -1;
}

// What the program's event loop does between two actions of a child: posted
// events run and objects whose deletion was deferred are deleted.
void returnToEventLoop()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::string joined(const QStringList &problems)
{
    return problems.join('\n').toStdString();
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The canvas's size as the last action leaves it: a drawing shown afresh
// follows the fit setting, the fit toggle its own state; undo brings back a
// snapshot of this drawing, taken at one size or the other; the other actions
// leave the size alone.
QSize expectedCanvasSize(const Form1 &w, Action action, QSize before)
{
    const QSize stretched = stretchedCanvasSize(w), natural = naturalCanvasSize(w);
    if (showsDrawingAfresh(action))
        return w.fitSetting == QLatin1String("SI") ? stretched : natural;
    if (action == Action::FitToggle)
        return w.naturalSizeShown ? natural : stretched;
    if (action == Action::Undo &&
        (w.Picture1->size() == stretched || w.Picture1->size() == natural))
        return w.Picture1->size();
    return before;
}
} // namespace

TEST(LongSession, RandomActionsKeepStateCanvasFilesAndMemorySound)
{
    ContentSandbox box;
    ASSERT_TRUE(box.hasContent()) << "no default content in " << TINTARO_APP_DIR;
    ProgramRandom::seed(11);
    std::mt19937 random(20240506);
    QTemporaryDir printed;
    ServiceLog services;
    Form1 w(box.appPath());
    replaceServices(w, services, printed.filePath("page.pdf"));
    w.Form_Load();
    ASSERT_GT(w.File1.listCount(), 1);

    WrittenFiles written(box.appPath());
    std::map<QString, QSize> canvasWhenWritten;
    std::array<int, 16> performed{};
    QSize expected = expectedCanvasSize(w, Action::NextDrawing, {});
    long long residentAfterWarmUp = 0;
    long long largestCanvasBytes = 0;
    for (int step = 0; step < actionCount; ++step) {
        const Action action = pickAction(random);
        const QSize canvasBefore = w.Picture1->size();
        perform(w, action, random);
        returnToEventLoop();
        ++performed[static_cast<std::size_t>(action)];
        const std::string where = "action " + std::to_string(step) + ", " + actionName(action);

        ASSERT_EQ(joined(stateOutOfRange(w)), "") << where;
        expected = expectedCanvasSize(w, action, expected);
        ASSERT_EQ(w.Picture1->size(), expected) << where;
        ASSERT_EQ(w.Picture1->image().size(), expected) << where;
        for (const QString &file : written.sinceLastLook()) {
            ASSERT_TRUE(isKeptColouring(file) || isSavedColouring(file))
                << where << ": " << file.toStdString();
            ASSERT_EQ(bitmapProblem(bytesOf(box.file(file)), canvasBefore).toStdString(), "")
                << where << ": " << file.toStdString();
            canvasWhenWritten[file] = canvasBefore;
        }
        largestCanvasBytes =
            std::max(largestCanvasBytes, 4LL * expected.width() * expected.height());
        if (step + 1 == warmUpActions)
            residentAfterWarmUp = residentBytes();
    }
    const long long residentAtEnd = residentBytes();

    // Every file written is still whole at the end, unless the erase button or
    // the next write took it.
    int onDisk = 0;
    for (const auto &[file, canvas] : canvasWhenWritten) {
        if (!QFile::exists(box.file(file)))
            continue;
        ++onDisk;
        EXPECT_EQ(bitmapProblem(bytesOf(box.file(file)), canvas).toStdString(), "")
            << file.toStdString();
    }
    EXPECT_GT(onDisk, 10) << "too few files were written to say much";
    for (std::size_t a = 0; a < performed.size(); ++a)
        EXPECT_GT(performed[a], 0) << actionName(static_cast<Action>(a)) << " never happened";

    if (!measuresMemory)
        return;
    // Once the ring holds four snapshots nothing should accumulate: an image
    // kept per action would add a canvas (several hundred kilobytes) each
    // time, thousands over the run. Two canvases leave room for the
    // allocator's own slack.
    const long long growth = residentAtEnd - residentAfterWarmUp;
    std::cout << "[ memory ] resident after " << warmUpActions
              << " actions: " << residentAfterWarmUp / 1024 << " KiB, after " << actionCount << ": "
              << residentAtEnd / 1024 << " KiB, largest canvas " << largestCanvasBytes / 1024
              << " KiB\n";
    EXPECT_LT(growth, 2 * largestCanvasBytes);
}
