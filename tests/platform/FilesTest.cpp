#include "platform/FileSearch.h"
#include "platform/PictureIO.h"
#include "support/TempAppFolder.h"

#include <QFileInfo>

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

// A bitmap of the exact pixels (an odd width pads the rows) replaces the
// old file, keeping its permissions and leaving nothing else in the folder; a
// write that fails leaves everything as it was.
TEST(WriteBitmap, ReplacesTheFileWholeOrNotAtAll)
{
    TempAppFolder folder;
    const QString path = folder.file("1.bmp");
    ASSERT_TRUE(writeBitmap(pattern(10, 10, 1), path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    ASSERT_TRUE(writeBitmap(pattern(37, 21, 5), path));
    folder.writeText("2.bmp/keep.txt", "x"); // a folder where a file should go
    for (const auto &[image, name] : {std::pair{pattern(4, 4, 1), "missing/1.bmp"},
                                      {pattern(4, 4, 1), "2.bmp"},
                                      {QImage(), "3.bmp"}})
        EXPECT_FALSE(writeBitmap(image, folder.file(name))) << name;
    EXPECT_TRUE(sameImage(loadPicture(path), pattern(37, 21, 5)));
    EXPECT_EQ(QFileInfo(path).permissions() & (QFile::ReadGroup | QFile::ReadOther),
              QFile::ReadGroup);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({"1.bmp", "2.bmp"}));
    EXPECT_TRUE(folder.exists("2.bmp/keep.txt"));
}

// By content, whatever the name's suffix or letter case; what is no picture gives
// a null image (a header claiming a huge picture: the bad-content test).
TEST(LoadPicture, ReadsByContentAndRefusesWhatIsNoPicture)
{
    TempAppFolder folder;
    pattern(6, 4, 3).save(folder.file("1.GIF"), "PNG");
    folder.writeText("2.gif", "GIF89a but nothing more");
    folder.writeText("3.gif", "");
    EXPECT_TRUE(sameImage(loadPicture(folder.file("1.gif")), pattern(6, 4, 3)));
    for (const char *name : {"2.gif", "3.gif", "4.gif"})
        EXPECT_TRUE(loadPicture(folder.file(name)).isNull()) << name;
}

// The name as stored on disk, found whatever the letter case asked (an exact
// match first), the same from a file search and from a folder listing.
TEST(FindFile, GivesTheStoredNameWhateverTheCaseAsked)
{
    TempAppFolder folder;
    for (const char *name : {"1.GIF", "2.gif", "a.txt", "A.txt", "B.txt", "\u00d1and\u00fa.gif"})
        folder.writeText(QString("d/") + QString::fromUtf8(name), "x");
    folder.makeFolder("d/Sub");
    const FolderListing listing(folder.file("d"));
    // clang-format off
    const char *cases[][2] = {{"1.gif", "1.GIF"}, {"2.GIF", "2.gif"}, {"a.txt", "a.txt"}, {"A.txt", "A.txt"},
        {"b.txt", "B.txt"}, {"sub", "Sub"}, {"\u00f1AND\u00da.GIF", "\u00d1and\u00fa.gif"}, {"3.gif", ""},
        {"1.gi", ""}, {"x/1.gif", ""}, {"", ""}};
    // clang-format on
    for (const auto &[asked, stored] : cases) {
        EXPECT_EQ(findFile(folder.file("d/") + QString::fromUtf8(asked)), QString::fromUtf8(stored))
            << asked;
        EXPECT_EQ(listing.find(QString::fromUtf8(asked)), QString::fromUtf8(stored)) << asked;
    }
    EXPECT_EQ(FolderListing(folder.file("none")).find("1.gif"), "");
}

// Ends at CR LF, CR or LF and trims nothing; only the first few kilobytes are read.
TEST(ReadFirstLine, EndsAtAnyLineBreakAndTrimsNothing)
{
    // clang-format off
    const std::pair<QByteArray, QString> cases[] = {{"SI", "SI"}, {"SI\r\nNO", "SI"}, {"SI\rNO", "SI"},
        {"SI\nNO", "SI"}, {"SI \r\n", "SI "}, {" no\n", " no"}, {"", ""}, {"\r\nSI", ""},
        {"Mar\xc3\xad" "a", "Mar\u00eda"}, {QByteArray(1 << 20, 'x'), QString(4096, 'x')}};
    // clang-format on
    TempAppFolder folder;
    QString line = "unchanged";
    EXPECT_FALSE(readFirstLine(folder.file("s.txt"), &line));
    EXPECT_EQ(line, "unchanged");
    for (const auto &[content, first] : cases) {
        folder.writeText("s.txt", content);
        ASSERT_TRUE(readFirstLine(folder.file("s.txt"), &line));
        EXPECT_EQ(line, first) << content.left(20).toStdString();
    }
}
