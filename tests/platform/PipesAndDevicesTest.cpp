#include "platform/AnimatedPicture.h"
#include "platform/FileSearch.h"
#include "platform/PictureIO.h"
#include "support/TempAppFolder.h"

#include <sys/stat.h>

// A named pipe under a picture's or a setting's name: opening it for reading
// would wait for a writer for ever, so every reader turns it down at once.
// (Should one block again, this test hangs until the test runner's time-out.)
TEST(SpecialFiles, PipesAndDevicesAreNeitherPicturesNorSettingsNorAnimations)
{
    TempAppFolder folder;
    const QString pipe = folder.file("pipe.gif"), link = folder.file("link-to-pipe.gif");
    folder.writeText("plain.gif", "GIF89a");
    folder.makeFolder("folder.gif");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
    QFile::link(pipe, link);
    QFile::link(folder.file("nowhere.gif"), folder.file("dangling.gif"));
    for (const QString &special : {pipe, link, QString("/dev/null")})
        EXPECT_TRUE(isSpecialFile(special) && loadPicture(special).isNull())
            << special.toStdString();
    for (const char *ordinary : {"plain.gif", "folder.gif", "missing.gif", "dangling.gif"})
        EXPECT_FALSE(isSpecialFile(folder.file(ordinary))) << ordinary;
    QString line = "untouched";
    EXPECT_FALSE(readFirstLine(pipe, &line));
    EXPECT_EQ(line, "untouched");
    AnimatedPicture animation;
    animation.setFile(pipe);
    EXPECT_EQ(static_cast<QLabel &>(animation).movie(), nullptr);
    EXPECT_EQ(animation.file(), pipe);
}
