#include "platform/PictureIO.h"
#include "support/TempAppFolder.h"

#include <QCoreApplication>
#include <QProcess>
#include <cstdio>
#include <random>
#include <signal.h>
#include <thread>

namespace
{
// Two pictures a reader can tell apart, and apart from a torn file.
QImage writerPicture(int which)
{
    QImage image(1000, 700, QImage::Format_RGB32);
    image.fill(which ? qRgb(200, 10, 20) : qRgb(30, 40, 200));
    return image;
}

// Started with TINTARO_BITMAP_WRITER set, the test binary is the writer the
// test kills: before any test runs, it writes the two pictures in turn to that
// path for ever, printing "written" after each complete write.
const bool writerChild = [] {
    const QString path = qEnvironmentVariable("TINTARO_BITMAP_WRITER");
    for (unsigned n = 0; !path.isEmpty(); ++n) {
        if (!writeBitmap(writerPicture(n % 2), path))
            std::_Exit(1);
        std::printf("written\n");
        std::fflush(stdout);
    }
    return false;
}();
} // namespace

// A process writing kept colourings is killed with SIGKILL at random moments,
// 40 times: the file on disk is always a whole old or new picture, and whatever
// an interrupted write leaves behind is hidden from the folder lists.
TEST(CrashSafety, KilledWriterLeavesTheOldOrTheNewFileNeverAHalfOne)
{
    TempAppFolder folder;
    const QString target = folder.file("3.bmp");
    const QImage pictures[2] = {writerPicture(0), writerPicture(1)};
    std::mt19937 random(99);
    int seen[2] = {0, 0};
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        QProcess child;
        child.setEnvironment(QProcess::systemEnvironment() << "TINTARO_BITMAP_WRITER=" + target);
        child.start(QCoreApplication::applicationFilePath(), {});
        ASSERT_TRUE(child.waitForStarted(5000));
        // One or two whole writes first, so that both pictures reach the disk.
        for (QByteArray out; out.count("written") < 1 + round % 2; out += child.readAll())
            ASSERT_TRUE(child.waitForReadyRead(20000)) << "the writer never finished a write";
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 40000));
        ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
        ASSERT_TRUE(child.waitForFinished(5000));
        const QImage onDisk = loadPicture(target).convertToFormat(QImage::Format_RGB32);
        ASSERT_TRUE(onDisk == pictures[0] || onDisk == pictures[1]) << "a torn file";
        ++seen[onDisk == pictures[0] ? 0 : 1];
        ASSERT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"3.bmp"});
    }
    // Both pictures seen on disk show that the writes were replacing each other.
    EXPECT_GT(seen[0], 0);
    EXPECT_GT(seen[1], 0);
}
