#include "platform/Random.h"
#include "reliability/ReliabilitySupport.h"

#include <malloc.h>

// Thousands of random actions on the default content with a fixed seed. After each the state
// is in range and the canvas's picture its size; at the end no file is lost or broken, and
// memory, once the undo ring is full, has not grown.

namespace
{
#if defined(__SANITIZE_ADDRESS__)
constexpr bool measuresMemory = false; // the sanitizer's allocator holds freed memory back
#else
constexpr bool measuresMemory = true;
#endif

// The resident set, after the allocator hands back what it holds free.
long long residentBytes()
{
    ::malloc_trim(0);
    const QList<QByteArray> fields = readBytes("/proc/self/statm").split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * ::sysconf(_SC_PAGESIZE) : -1;
}
} // namespace

TEST(LongSession, RandomActionsKeepStateCanvasFilesAndMemorySound)
{
    constexpr int actionCount = 3000, warmUp = 300; // by then the undo ring has long been full
    ContentSandbox box;
    ASSERT_GT(box.copied, 0) << "no default content in " << TINTARO_APP_DIR;
    ProgramRandom::seed(11);
    std::mt19937 random(20240506);
    std::vector<std::size_t> tickets; // each action as many times as its weight
    for (std::size_t a = 0; a < actions.size(); ++a)
        tickets.insert(tickets.end(), actions[a].weight, a);
    QTemporaryDir printed;
    ServiceLog services;
    Form1 w(box.file());
    replaceServices(w, services, printed.filePath("page.pdf"));
    w.Form_Load();
    ASSERT_GT(w.File1.listCount(), 1);
    const auto atStart = snapshot(box.root());
    long long residentAfterWarmUp = 0, largestCanvas = 0;
    for (int step = 0; step < actionCount; ++step) {
        const std::size_t a = tickets[random() % tickets.size()];
        const QSize before = w.Picture1->size();
        actions[a].perform(w, random);
        // What the event loop does between two clicks: posted events, deferred deletions.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const std::string where = "action " + std::to_string(step) + ", " + actions[a].name;
        ASSERT_EQ(stateOutOfRange(w).join('\n').toStdString(), "") << where;
        ASSERT_EQ(w.Picture1->image().size(), w.Picture1->size()) << where;
        // Only moving to a drawing, the fit toggle and undo may change the canvas's size.
        if (!QStringList{"Next", "Previous", "Category", "StartAgain", "Fit", "Undo"}.contains(
                actions[a].name)) {
            ASSERT_EQ(w.Picture1->size(), before) << where;
        }
        largestCanvas = std::max(largestCanvas, 4LL * w.Picture1->width() * w.Picture1->height());
        if (step + 1 == warmUp)
            residentAfterWarmUp = residentBytes();
    }
    const long long residentAtEnd = residentBytes();
    // Every file written a whole bitmap; start again may have taken kept colourings.
    const auto atEnd = snapshot(box.root());
    EXPECT_EQ(problems(atStart, atEnd, true, {}).join('\n').toStdString(), "");
    if (!measuresMemory)
        return;
    // An image kept per action would add hundreds of kilobytes each time; two
    // canvases leave room for the allocator's own slack.
    std::cout << "[ memory ] resident after " << warmUp
              << " actions: " << residentAfterWarmUp / 1024 << " KiB, after " << actionCount << ": "
              << residentAtEnd / 1024 << " KiB, largest canvas " << largestCanvas / 1024
              << " KiB\n";
    EXPECT_LT(residentAtEnd - residentAfterWarmUp, 2 * largestCanvas);
}
