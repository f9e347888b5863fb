#include "reliability/SafetyChecks.h"
#include "platform/PictureIO.h"
#include "reliability/ContentSandbox.h"

#include <QBuffer>
#include <QDir>
#include <QFile>

#include <functional>
#include <gtest/gtest.h>

// The checks the bad-content suite relies on must see every way a run can
// damage an installation, and let through what the program is meant to do.

namespace
{
QByteArray bitmapBytes(QSize size, const char *format = "BMP")
{
    QImage image(size, QImage::Format_RGB888);
    image.fill(Qt::green);
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    image.save(&out, format);
    return bytes;
}

struct ChangeCase {
    const char *what;
    std::function<void(ContentSandbox &)> change;
    AllowedChanges allowed;
    const char *reported; // part of the one problem expected, or "" for none
};

void PrintTo(const ChangeCase &c, std::ostream *out)
{
    *out << c.what;
}

const AllowedChanges nothingAllowed;
const AllowedChanges cleanUpOn{true, {}};
const AllowedChanges erasedFirst{false, {"app/dibujos/animales/1.bmp"}};

void writeInSandbox(ContentSandbox &box, const QString &path, const QByteArray &bytes)
{
    QDir(box.root()).mkpath(QFileInfo(path).path());
    QFile file(box.root() + "/" + path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

const ChangeCase changeCases[] = {
    {"NothingChanged", [](ContentSandbox &) {}, nothingAllowed, ""},
    {"FileBesideChanged",
     [](ContentSandbox &box) { writeInSandbox(box, "beside/notes.txt", "other"); }, nothingAllowed,
     "changed: beside/notes.txt"},
    {"FileBesideCreated",
     [](ContentSandbox &box) {
         writeInSandbox(box, "beside/x.bmp", bitmapBytes({4, 4}));
     },
     nothingAllowed, "new file: beside/x.bmp"},
    {"FileBesideRemoved",
     [](ContentSandbox &box) { QFile::remove(box.root() + "/beside/notes.txt"); }, nothingAllowed,
     "lost: beside/notes.txt"},
    {"DrawingDeleted",
     [](ContentSandbox &box) { QFile::remove(box.file("dibujos/animales/2.gif")); }, cleanUpOn,
     "lost: app/dibujos/animales/2.gif"},
    {"DrawingRewritten",
     [](ContentSandbox &box) {
         box.writeBytes("dibujos/animales/2.gif", bitmapBytes({4, 4}));
     },
     cleanUpOn, "changed: app/dibujos/animales/2.gif"},
    {"SavedColouringDeleted",
     [](ContentSandbox &box) { QFile::remove(box.file("Misdibujos/Ana 1-1-2024--1-1-1.bmp")); },
     cleanUpOn, "lost: app/Misdibujos/Ana"},
    {"KeptColouringDeletedWithoutCleanUp",
     [](ContentSandbox &box) { QFile::remove(box.file("dibujos/animales/1.bmp")); }, nothingAllowed,
     "lost: app/dibujos/animales/1.bmp"},
    {"KeptColouringDeletedByCleanUp",
     [](ContentSandbox &box) { QFile::remove(box.file("dibujos/animales/1.bmp")); }, cleanUpOn, ""},
    {"KeptColouringErased",
     [](ContentSandbox &box) { QFile::remove(box.file("dibujos/animales/1.bmp")); }, erasedFirst,
     ""},
    {"KeptColouringRewritten",
     [](ContentSandbox &box) {
         box.writeBytes("dibujos/animales/1.bmp", bitmapBytes({9, 9}));
     },
     nothingAllowed, ""},
    {"KeptColouringTorn",
     [](ContentSandbox &box) {
         box.writeBytes("dibujos/animales/1.bmp", bitmapBytes({9, 9}).left(80));
     },
     nothingAllowed, "app/dibujos/animales/1.bmp: declares"},
    {"NewKeptColouring",
     [](ContentSandbox &box) {
         box.writeBytes("dibujos/animales/4.bmp", bitmapBytes({9, 9}));
     },
     nothingAllowed, ""},
    {"KeptColouringOfDrawingZero",
     [](ContentSandbox &box) {
         box.writeBytes("dibujos/animales/0.bmp", bitmapBytes({9, 9}));
     },
     nothingAllowed, "new file: app/dibujos/animales/0.bmp"},
    {"NewSavedColouringAsPng",
     [](ContentSandbox &box) {
         box.writeBytes("Misdibujos/Ana.bmp", bitmapBytes({9, 9}, "PNG"));
     },
     nothingAllowed, "app/Misdibujos/Ana.bmp: not a bitmap"},
    {"LeftoverOfAnInterruptedWrite",
     [](ContentSandbox &box) {
         box.writeBytes("Misdibujos/.tintaro-Ab12Cd.tmp", bitmapBytes({9, 9}));
     },
     nothingAllowed, "new file: app/Misdibujos/.tintaro-Ab12Cd.tmp"},
    {"NewFolder", [](ContentSandbox &box) { QDir(box.appPath()).mkpath("dibujos/nuevos"); },
     nothingAllowed, "new: app/dibujos/nuevos"},
};

class SandboxChecks : public ::testing::TestWithParam<ChangeCase>
{
};
} // namespace

TEST_P(SandboxChecks, ReportExactlyWhatTheRulesForbid)
{
    const ChangeCase &c = GetParam();
    ContentSandbox box;
    box.writeBytes("dibujos/animales/1.gif", bitmapBytes({9, 9}, "PNG"));
    box.writeBytes("dibujos/animales/2.gif", bitmapBytes({9, 9}, "PNG"));
    box.writeBytes("dibujos/animales/1.bmp", bitmapBytes({9, 9}));
    box.writeBytes("Misdibujos/Ana 1-1-2024--1-1-1.bmp", bitmapBytes({9, 9}));
    const FolderSnapshot before = takeSnapshot(box.root());
    c.change(box);
    const QStringList problems = sandboxProblems(before, takeSnapshot(box.root()), c.allowed);
    if (QByteArray(c.reported).isEmpty()) {
        EXPECT_EQ(problems.join('\n').toStdString(), "");
    } else {
        ASSERT_EQ(problems.size(), 1) << problems.join('\n').toStdString();
        EXPECT_TRUE(problems[0].contains(c.reported)) << problems[0].toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Changes, SandboxChecks, ::testing::ValuesIn(changeCases),
                         [](const ::testing::TestParamInfo<ChangeCase> &info) {
                             return std::string(info.param.what);
                         });

TEST(BitmapProblem, AcceptsOnlyAWhole24BitBitmapOfTheCanvasSize)
{
    EXPECT_EQ(bitmapProblem(bitmapBytes({7, 5}), QSize(7, 5)), "");
    EXPECT_EQ(bitmapProblem(bitmapBytes({7, 5})), "");
    EXPECT_NE(bitmapProblem(bitmapBytes({7, 5}), QSize(5, 7)), "");
    QByteArray thirtyTwoBits = bitmapBytes({7, 5});
    thirtyTwoBits[28] = 32;
    EXPECT_EQ(bitmapProblem(thirtyTwoBits), "32 bits per pixel");
    EXPECT_NE(bitmapProblem(bitmapBytes({7, 5}).chopped(1)), "");
    EXPECT_NE(bitmapProblem(bitmapBytes({7, 5}, "PNG")), "");
    EXPECT_NE(bitmapProblem({}), "");
}
