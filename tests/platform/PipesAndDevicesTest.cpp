#include "platform/AnimatedPicture.h"
#include "platform/FileSearch.h"
#include "platform/PictureIO.h"
#include "support/TempAppFolder.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

// A named pipe under a picture's or a setting's name: opening it for reading
// would wait for a writer for ever, so every reader turns it down at once.
// (Should one block again, this test hangs until the test runner's time-out.)
class SpecialFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder.writeText("plain.gif", "GIF89a");
        folder.makeFolder("folder.gif");
        ASSERT_EQ(::mkfifo(QFile::encodeName(pipe()).constData(), 0644), 0);
        QFile::link(pipe(), folder.file("link-to-pipe.gif"));
        QFile::link(folder.file("nowhere.gif"), folder.file("dangling.gif"));
    }
    QString pipe() const { return folder.file("pipe.gif"); }

    TempAppFolder folder;
};

TEST_F(SpecialFiles, ArePipesSocketsAndDevicesDirectlyOrThroughALink)
{
    EXPECT_TRUE(isSpecialFile(pipe()));
    EXPECT_TRUE(isSpecialFile(folder.file("link-to-pipe.gif")));
    EXPECT_TRUE(isSpecialFile("/dev/null"));
    EXPECT_FALSE(isSpecialFile(folder.file("plain.gif")));
    EXPECT_FALSE(isSpecialFile(folder.file("folder.gif")));
    EXPECT_FALSE(isSpecialFile(folder.file("missing.gif")));
    EXPECT_FALSE(isSpecialFile(folder.file("dangling.gif")));
}

TEST_F(SpecialFiles, AreNeitherPicturesNorSettingsNorAnimations)
{
    EXPECT_TRUE(loadPicture(pipe()).isNull());
    EXPECT_TRUE(loadPicture(folder.file("link-to-pipe.gif")).isNull());
    QString line = "untouched";
    EXPECT_FALSE(readFirstLine(pipe(), &line));
    EXPECT_EQ(line, "untouched");
    AnimatedPicture animation;
    animation.setFile(pipe());
    EXPECT_EQ(static_cast<QLabel &>(animation).movie(), nullptr);
    EXPECT_EQ(animation.file(), pipe());
}
