#include "catalogue/SavedNames.h"

#include <QStringDecoder>

#include <gtest/gtest.h>

#include <vector>

namespace
{

const QDateTime fifthOfMarch(QDate(2012, 3, 5), QTime(9, 7, 3));
const QString fifthOfMarchSuffix = QStringLiteral(" 5-3-2012--9-7-3.bmp");

bool isValidUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder(bytes);
    return !decoder.hasError() && decoded.toUtf8() == bytes;
}

QString repeated(const QString &piece, int times)
{
    QString text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

} // namespace

TEST(SavedSnapshotName, DateAndTimeWithoutLeadingZeros)
{
    EXPECT_EQ(savedSnapshotName("Sin_nombre", fifthOfMarch), "Sin_nombre 5-3-2012--9-7-3.bmp");
    EXPECT_EQ(savedSnapshotName("Sin_nombre", QDateTime(QDate(2012, 12, 31), QTime(23, 59, 59))),
              "Sin_nombre 31-12-2012--23-59-59.bmp");
    EXPECT_EQ(savedSnapshotName("Sin_nombre", QDateTime(QDate(2024, 1, 1), QTime(0, 0, 0))),
              "Sin_nombre 1-1-2024--0-0-0.bmp");
}

TEST(SavedSnapshotName, PlainNamesStayExactlyAsTyped)
{
    for (const QString &name :
         {QStringLiteral("Ana María López"), QStringLiteral("  two  spaces "),
          QStringLiteral("Zoë 🦄🌈"), QStringLiteral("Ñandú"), QStringLiteral("a.b"),
          QStringLiteral("日本語の名前"), QStringLiteral("O'Brien & co (3)")}) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(savedSnapshotName(name, fifthOfMarch), name + fifthOfMarchSuffix);
    }
}

TEST(SavedSnapshotName, HostileNamesCannotLeaveTheFolder)
{
    struct Case {
        QString typed;
        QString namePart;
    };
    const std::vector<Case> cases{
        {"../../x", "____x"},
        {"a/b:c", "a_b_c"},
        {"..", "_"},
        {".", "_"},
        {"...", "_."},
        {".hidden", "_hidden"},
        {"C:\\Windows\\x", "C__Windows_x"},
        {"a*b?c\"d<e>f|g", "a_b_c_d_e_f_g"},
        {QString("tab\there") + QChar(0) + "nul" + QChar(0x7F) + "\n", "tab_here_nul__"},
        {QString("c1") + QChar(0x85) + "x", "c1_x"},
        {QString("lone") + QChar(0xD83D) + "x" + QChar(0xDE00), "lone_x_"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        const QString fileName = savedSnapshotName(c.typed, fifthOfMarch);
        EXPECT_EQ(fileName, c.namePart + fifthOfMarchSuffix);
        EXPECT_FALSE(fileName.contains(u'/'));
        EXPECT_FALSE(fileName.contains(u'\\'));
        EXPECT_FALSE(fileName.startsWith(u'.'));
    }
}

TEST(SavedSnapshotName, LongAsciiNameIsCutTo255Bytes)
{
    const QString name = repeated("x", 300);
    const QString fileName = savedSnapshotName(name, fifthOfMarch);
    EXPECT_EQ(fileName.toUtf8().size(), 255);
    EXPECT_TRUE(fileName.endsWith(fifthOfMarchSuffix));
    EXPECT_TRUE(name.startsWith(fileName.chopped(fifthOfMarchSuffix.size())));
}

TEST(SavedSnapshotName, LongNamesAreCutBetweenCharacters)
{
    // Two-, three- and four-byte characters, and an emoji with a skin-tone
    // modifier that belongs with it.
    for (const QString &piece : {QStringLiteral("é"), QStringLiteral("名"), QStringLiteral("🦄"),
                                 QStringLiteral("👍🏽"), QStringLiteral("ab🦄")}) {
        SCOPED_TRACE(piece.toStdString());
        const QString name = repeated(piece, 200);
        const QString fileName = savedSnapshotName(name, fifthOfMarch);
        const QByteArray bytes = fileName.toUtf8();
        EXPECT_LE(bytes.size(), 255);
        EXPECT_GT(bytes.size(), 255 - piece.toUtf8().size());
        EXPECT_TRUE(isValidUtf8(bytes));
        const QString namePart = fileName.chopped(fifthOfMarchSuffix.size());
        EXPECT_TRUE(fileName.endsWith(fifthOfMarchSuffix));
        EXPECT_TRUE(name.startsWith(namePart));
        EXPECT_FALSE(namePart.back().isHighSurrogate());
    }
}

TEST(SavedSnapshotName, CutKeepsAccentsWithTheirLetters)
{
    // "e" + combining acute is three bytes: a cut between code points would
    // leave a bare "e" in the one byte left over.
    const QString piece = QStringLiteral("e\u0301");
    const QString fileName = savedSnapshotName(repeated(piece, 200), fifthOfMarch);
    const QString namePart = fileName.chopped(fifthOfMarchSuffix.size());
    EXPECT_EQ(namePart, repeated(piece, (255 - 20) / 3));
}

TEST(SavedSnapshotName, OneHugeCharacterClusterIsStillCut)
{
    // A letter carrying hundreds of accents is a single cluster: it cannot be
    // kept whole, so it is cut between code points rather than dropped.
    const QString name = "a" + repeated(QString(QChar(0x0301)), 300);
    const QString fileName = savedSnapshotName(name, fifthOfMarch);
    EXPECT_LE(fileName.toUtf8().size(), 255);
    EXPECT_TRUE(fileName.startsWith(QStringLiteral("a\u0301")));
}

TEST(SavedSnapshotName, LongestDateStillFits)
{
    const QDateTime latest(QDate(2099, 12, 31), QTime(23, 59, 59));
    const QString fileName = savedSnapshotName(repeated("ñ", 300), latest);
    EXPECT_LE(fileName.toUtf8().size(), 255);
    EXPECT_TRUE(fileName.endsWith(" 31-12-2099--23-59-59.bmp"));
}
