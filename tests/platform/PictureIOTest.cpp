#include "platform/PictureIO.h"
#include "support/TempAppFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace
{
QImage pattern(int width, int height, int seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 7 + seed) & 255, (y * 13 + seed) & 255, (x ^ y) & 255));
    return image;
}
} // namespace

TEST(WriteBitmap, WritesA24BitBitmapWithTheExactPixels)
{
    TempAppFolder folder;
    const QImage image = pattern(37, 21, 5); // odd width: rows are padded in the file
    ASSERT_TRUE(writeBitmap(image, folder.file("1.bmp")));
    QFile file(folder.file("1.bmp"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_GE(bytes.size(), 54);
    EXPECT_EQ(bytes.left(2), "BM");
    EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 24u) << "bits per pixel";
    const QImage back = loadPicture(folder.file("1.bmp")).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(back, image);
}

TEST(WriteBitmap, ReplacesTheOldFileAndLeavesNothingElseVisible)
{
    TempAppFolder folder;
    ASSERT_TRUE(writeBitmap(pattern(10, 10, 1), folder.file("1.bmp")));
    ::chmod(QFile::encodeName(folder.file("1.bmp")).constData(), 0640);
    ASSERT_TRUE(writeBitmap(pattern(12, 8, 2), folder.file("1.bmp")));
    EXPECT_EQ(loadPicture(folder.file("1.bmp")).convertToFormat(QImage::Format_RGB32),
              pattern(12, 8, 2));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"1.bmp"});
    struct stat info;
    ASSERT_EQ(::stat(QFile::encodeName(folder.file("1.bmp")).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u) << "a replaced file keeps its permissions";
}

TEST(WriteBitmap, FailedWriteLeavesEverythingAsItWas)
{
    TempAppFolder folder;
    EXPECT_FALSE(writeBitmap(pattern(4, 4, 1), folder.file("missing/1.bmp")));
    EXPECT_FALSE(QDir(folder.file("missing")).exists());
    // A folder standing where the file should go cannot be replaced.
    folder.makeFolder("2.bmp");
    folder.writeText("2.bmp/keep.txt", "x");
    EXPECT_FALSE(writeBitmap(pattern(4, 4, 1), folder.file("2.bmp")));
    EXPECT_TRUE(folder.exists("2.bmp/keep.txt"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{});
    EXPECT_FALSE(writeBitmap(QImage(), folder.file("3.bmp")));
    EXPECT_FALSE(folder.exists("3.bmp"));
}

TEST(LoadPicture, GoesByContentAndRefusesWhatIsNoPicture)
{
    TempAppFolder folder;
    pattern(6, 4, 3).save(folder.file("1.gif"), "PNG"); // a PNG under a .gif name
    EXPECT_EQ(loadPicture(folder.file("1.gif")).size(), QSize(6, 4));
    folder.writeText("2.gif", "GIF89a but nothing more");
    EXPECT_TRUE(loadPicture(folder.file("2.gif")).isNull());
    folder.writeText("3.gif", "");
    EXPECT_TRUE(loadPicture(folder.file("3.gif")).isNull());
    EXPECT_TRUE(loadPicture(folder.file("none.gif")).isNull());
}

TEST(LoadPicture, OpensANameWhateverItsLetterCase)
{
    TempAppFolder folder;
    pattern(5, 3, 1).save(folder.file("1.GIF"), "PNG");
    EXPECT_EQ(loadPicture(folder.file("1.gif")).size(), QSize(5, 3));
    EXPECT_TRUE(loadPicture(folder.file("2.gif")).isNull());
}

TEST(LoadPicture, HeaderClaimingAHugePictureIsRefused)
{
    // A bitmap header of 60000 x 60000 pixels at 24 bits with almost no data.
    QByteArray bmp(54, '\0');
    auto put32 = [&bmp](int at, quint32 v) {
        for (int i = 0; i < 4; ++i)
            bmp[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    bmp[0] = 'B';
    bmp[1] = 'M';
    put32(2, 54 + 16);
    put32(10, 54);
    put32(14, 40);
    put32(18, 60000);
    put32(22, 60000);
    bmp[26] = 1;
    bmp[28] = 24;
    bmp.append(QByteArray(16, '\x7f'));
    TempAppFolder folder;
    folder.writeText("huge.bmp", bmp);
    EXPECT_TRUE(loadPicture(folder.file("huge.bmp")).isNull());
}
