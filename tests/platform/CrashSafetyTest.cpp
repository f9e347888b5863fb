#include "platform/PictureIO.h"
#include "support/BitmapWriterChild.h"
#include "support/TempAppFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <gtest/gtest.h>
#include <random>
#include <signal.h>
#include <thread>

// A real process writing kept colourings is killed with SIGKILL at random
// moments, many times: the file on disk is always a whole old or new picture.
TEST(CrashSafety, KilledWriterLeavesTheOldOrTheNewFileNeverAHalfOne)
{
    TempAppFolder folder;
    const QString target = folder.file("3.bmp");
    const QImage pictures[2] = {writerPicture(0), writerPicture(1)};
    std::mt19937 random(99);
    int kills = 0;
    int seen[2] = {0, 0};
    for (int round = 0; round < 40; ++round) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--bitmap-writer", target});
        ASSERT_TRUE(child.waitForStarted(5000));
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
