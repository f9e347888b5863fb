#include "platform/FileSearch.h"
#include "platform/FileList.h"
#include "support/TempAppFolder.h"

#include <gtest/gtest.h>

TEST(FindFile, GivesTheNameAsStoredWhateverTheCaseAsked)
{
    TempAppFolder folder;
    folder.writeText("dibujos/casa/1.GIF", "x");
    folder.writeText("dibujos/casa/2.gif", "x");
    EXPECT_EQ(findFile(folder.file("dibujos/casa/2.gif")), "2.gif");
    EXPECT_EQ(findFile(folder.file("dibujos/casa/1.gif")), "1.GIF");
    EXPECT_EQ(findFile(folder.file("dibujos/casa/3.gif")), "");
    EXPECT_EQ(findFile(folder.file("dibujos/nada/1.gif")), "");
    EXPECT_EQ(findFile(folder.file("dibujos/casa/")), "");
}

TEST(FindFile, ExactMatchWinsOverOtherCases)
{
    TempAppFolder folder;
    folder.writeText("c/a.txt", "x");
    folder.writeText("c/A.txt", "x");
    EXPECT_EQ(findFile(folder.file("c/A.txt")), "A.txt");
    EXPECT_EQ(findFile(folder.file("c/a.txt")), "a.txt");
}

TEST(FolderListing, AnswersAsFindFileDoesForEveryName)
{
    TempAppFolder folder;
    for (const char *name :
         {"1.GIF", "2.gif", "2.bmp", "a.txt", "A.txt", "B.txt", ".oculto", "\u00d1and\u00fa.gif"})
        folder.writeText(QString("d/") + QString::fromUtf8(name), "x");
    folder.makeFolder("d/Sub");
    const FolderListing listing(folder.file("d"));
    const QString asked =
        QString::fromUtf8("1.gif 1.GIF 2.gif 2.GIF 2.bmp 3.gif a.txt A.txt a.TXT "
                          "b.txt B.TXT .OCULTO sub \u00f1AND\u00da.GIF 1.gi x/1.gif");
    for (const QString &wanted : asked.split(' '))
        EXPECT_EQ(listing.find(wanted), findFile(folder.file("d") + "/" + wanted))
            << wanted.toStdString();
    EXPECT_EQ(listing.find(""), "");
    EXPECT_EQ(listing.find("1.gif"), "1.GIF");
    EXPECT_EQ(listing.find("b.txt"), "B.txt");
    EXPECT_EQ(listing.find("A.txt"), "A.txt");
    EXPECT_EQ(listing.find("sub"), "Sub");
    EXPECT_EQ(listing.find("3.gif"), "");
}

TEST(FolderListing, MissingFolderHasNoNames)
{
    TempAppFolder folder;
    EXPECT_EQ(FolderListing(folder.file("nada")).find("1.gif"), "");
}

struct FirstLineCase {
    QByteArray content;
    QString line;
};

TEST(ReadFirstLine, EndsAtAnyLineBreakAndTrimsNothing)
{
    const FirstLineCase cases[] = {
        {"SI", "SI"},
        {"SI\r\nNO", "SI"},
        {"SI\rNO", "SI"},
        {"SI\nNO", "SI"},
        {"SI \r\n", "SI "},
        {" no\n", " no"},
        {"", ""},
        {"\r\nSI", ""},
        {"Ana Mar\xc3\xad"
         "a",
         "Ana Mar\u00eda"},
    };
    TempAppFolder folder;
    for (const FirstLineCase &c : cases) {
        folder.writeText("s.txt", c.content);
        QString line = "unchanged";
        ASSERT_TRUE(readFirstLine(folder.file("s.txt"), &line));
        EXPECT_EQ(line, c.line) << c.content.toStdString();
    }
}

TEST(ReadFirstLine, MissingFileIsReportedAndHugeLineIsCut)
{
    TempAppFolder folder;
    QString line;
    EXPECT_FALSE(readFirstLine(folder.file("none.txt"), &line));
    folder.writeText("big.txt", QByteArray(1 << 20, 'x'));
    ASSERT_TRUE(readFirstLine(folder.file("big.txt"), &line));
    EXPECT_LE(line.size(), 4096);
}

TEST(FileList, ListsOrdinaryFilesInCaseInsensitiveOrder)
{
    TempAppFolder folder;
    for (const char *name : {"b.gif", "A.gif", "c.jpg", ".hidden.gif", "a2.bmp"})
        folder.writeText(QString("logos/") + name, "x");
    folder.makeFolder("logos/sub");
    FileList list;
    ASSERT_TRUE(list.setPath(folder.file("logos")));
    ASSERT_EQ(list.listCount(), 4);
    EXPECT_EQ(list.list(0), "A.gif");
    EXPECT_EQ(list.list(1), "a2.bmp");
    EXPECT_EQ(list.list(2), "b.gif");
    EXPECT_EQ(list.list(3), "c.jpg");
    EXPECT_EQ(list.list(4), "");
    EXPECT_EQ(list.list(-1), "");
    EXPECT_EQ(list.entryPath(2), folder.file("logos/b.gif"));
}

TEST(FileList, MissingFolderLeavesTheListEmpty)
{
    TempAppFolder folder;
    FileList list;
    EXPECT_FALSE(list.setPath(folder.file("texturas")));
    EXPECT_EQ(list.listCount(), 0);
    EXPECT_EQ(list.entryPath(0), "");
}
