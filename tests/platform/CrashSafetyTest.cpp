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
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, which ? qRgb(200, x & 255, y & 255) : qRgb(x & 255, y & 255, 40));
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

// A real process writing kept colourings is killed with SIGKILL at random
// moments, many times: the file on disk is always a whole old or new picture.
TEST(CrashSafety, KilledWriterLeavesTheOldOrTheNewFileNeverAHalfOne)
{
    TempAppFolder folder;
    const QString target = folder.file("3.bmp");
    const QImage pictures[2] = {writerPicture(0), writerPicture(1)};
    std::mt19937 random(99);
    int kills = 0, seen[2] = {0, 0};
    for (int round = 0; round < 40; ++round) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("TINTARO_BITMAP_WRITER", target);
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {});
        ASSERT_TRUE(child.waitForStarted(5000));
        // One or two whole writes first, so that both pictures reach the disk
        // however slowly a loaded machine writes.
        for (QByteArray out; out.count("written") < 1 + round % 2; out += child.readAll())
            ASSERT_TRUE(child.waitForReadyRead(20000)) << "the writer never finished a write";
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 40000));
        ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
        ASSERT_TRUE(child.waitForFinished(5000));
        ++kills;
        const QImage onDisk = loadPicture(target).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(onDisk.isNull()) << "round " << round << ": the file is torn";
        ASSERT_TRUE(onDisk == pictures[0] || onDisk == pictures[1]) << "round " << round;
        ++seen[onDisk == pictures[0] ? 0 : 1];
        // Whatever an interrupted write leaves behind is hidden from the folder lists.
        ASSERT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"3.bmp"});
    }
    EXPECT_EQ(kills, 40);
    // The writer does nothing but write, so the kills fell during writes; both
    // pictures on disk at some point show the writes were replacing each other.
    EXPECT_GT(seen[0], 0);
    EXPECT_GT(seen[1], 0);
}
