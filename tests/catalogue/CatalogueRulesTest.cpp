#include "catalogue/SavedNames.h"

#include <gtest/gtest.h>

// Names that could leave the folder or hide the file are made harmless; any
// other, blanks, accents and emoji included, is kept as typed. Then the date.
TEST(SavedSnapshotName, IsTheNameMadeHarmlessThenTheDateWithoutLeadingZeros)
{
    const std::pair<QString, QString> rows[] = {
        {"  Zoë 🦄 a.b", "  Zoë 🦄 a.b"},
        {"../../x", "____x"},
        {"...", "_."},
        {".hidden", "_hidden"},
        {"C:\\W\\x", "C__W_x"},
        {"a*b?c\"d<e>f|g/", "a_b_c_d_e_f_g_"},
        {QString("t\tn") + QChar(0) + QChar(0x7F) + QChar(0x85), "t_n___"},
        {QString("lone") + QChar(0xD83D) + "x" + QChar(0xDE00), "lone_x_"}};
    for (const auto &[typed, safe] : rows)
        EXPECT_EQ(savedSnapshotName(typed, QDateTime(QDate(2012, 3, 5), QTime(9, 7, 3))),
                  safe + " 5-3-2012--9-7-3.bmp");
    EXPECT_EQ(savedSnapshotName("S", QDateTime(QDate(2012, 12, 31), QTime(23, 0, 8))),
              "S 31-12-2012--23-0-8.bmp");
}

// A long name is cut to fit 255 bytes with the longest date, between clusters (an
// emoji and its modifier); one huge cluster between code points.
TEST(SavedSnapshotName, LongNamesAreCutTo255BytesBetweenClusters)
{
    for (const auto &[name, bytes] : {std::pair{QString("x").repeated(300), 230},
                                      {QString("👍🏽").repeated(200), 224},
                                      {"a" + QString("\u0301").repeated(300), 229}}) {
        const QString fileName =
            savedSnapshotName(name, QDateTime(QDate(2099, 12, 31), QTime(23, 59, 59)));
        EXPECT_EQ(fileName.chopped(25).toUtf8().size(), bytes) << name.left(2).toStdString();
        EXPECT_EQ(fileName, name.left(fileName.size() - 25) + " 31-12-2099--23-59-59.bmp");
    }
}
