#include "app/ProgramState.h"
#include "platform/TwipGeometry.h"
#include "support/CatalogueFixture.h"
#include "support/FileSizeLimit.h"

#include <QFile>
#include <QPushButton>
#include <QUrl>

namespace
{
const QDateTime fifthOfMarch(QDate(2012, 3, 5), QTime(9, 7, 3));

quint32 littleEndian32(const QByteArray &bytes, int at)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<quint8>(bytes[at + i]);
    return value;
}
} // namespace

// Saved colourings, the saved-work list and quitting.
class SavedWork : public CatalogueFixture
{
protected:
    void SetUp() override
    {
        savedUserName = userName;
        writeCategory("animales", 3);
        setting("guarda.txt", "SI");
    }
    void TearDown() override { userName = savedUserName; }

    Form1 &loadAt(const QDateTime &when)
    {
        Form1 &w = load();
        w.clock = [when] { return when; };
        w.quitProgram = [this] { ++quits; };
        w.openDocument = [this](const QUrl &url) { opened << url; };
        return w;
    }

    QStringList savedFiles() const
    {
        return QDir(app.file("Misdibujos")).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    QString savedUserName;
    int quits = 0;
    QList<QUrl> opened;
};

TEST_F(SavedWork, FileNameIsTheChildsNameAndTheTimeAndNeverLeavesTheFolder)
{
    struct Case {
        QString name;
        QString file;
    };
    for (const Case &c : {Case{"Sin_nombre", "Sin_nombre 5-3-2012--9-7-3.bmp"},
                          Case{"Ana María López", "Ana María López 5-3-2012--9-7-3.bmp"},
                          Case{"../../x", "____x 5-3-2012--9-7-3.bmp"},
                          Case{"a/b:c", "a_b_c 5-3-2012--9-7-3.bmp"}}) {
        QDir(app.file("Misdibujos")).removeRecursively(); // the save makes it again
        userName = c.name;
        Form1 &w = loadAt(fifthOfMarch);
        w.Command10->click();
        EXPECT_EQ(savedFiles(), QStringList{c.file}) << c.name.toStdString();
        QStringList elsewhere = allFiles().filter(".bmp");
        elsewhere.removeAll("Misdibujos/" + c.file);
        EXPECT_EQ(elsewhere, QStringList{}) << c.name.toStdString();
        EXPECT_FALSE(QFile::exists(app.path() + "/../../x 5-3-2012--9-7-3.bmp"));
    }
}

TEST_F(SavedWork, SavesInOneSecondShareAFileAndLaterSavesAddOne)
{
    userName = "Ana";
    QDateTime now = fifthOfMarch;
    Form1 &w = load();
    w.clock = [&now] { return now; };
    paintStep(w, {5, 5}, qRgb(0, 200, 0));
    w.Command10_Click();
    paintStep(w, {20, 5}, qRgb(0, 0, 200));
    w.Command10_Click();
    EXPECT_EQ(savedFiles(), QStringList{"Ana 5-3-2012--9-7-3.bmp"});
    EXPECT_EQ(fileImage("Misdibujos/Ana 5-3-2012--9-7-3.bmp").pixel(21, 6), qRgb(0, 0, 200))
        << "the second image";

    now = now.addSecs(1);
    w.Command10_Click();
    EXPECT_EQ(savedFiles(), (QStringList{"Ana 5-3-2012--9-7-3.bmp", "Ana 5-3-2012--9-7-4.bmp"}));
}

TEST_F(SavedWork, SnapshotIsA24BitBitmapOfTheCanvasAtItsSize)
{
    userName = "Sin_nombre";
    setting("adaptar.txt", "SI"); // stretched: the canvas is the frame less its margin
    Form1 &w = loadAt(fifthOfMarch);
    setGeometryTwips(w.Picture5, 0, 0, 1620, 1320);
    w.ShowDrawing(); // a canvas of 1500 x 1200 twips: 100 x 80 pixels
    paintStep(w, {7, 9}, qRgb(12, 34, 56));
    const QImage shown = canvas(w);
    ASSERT_EQ(shown.size(), QSize(100, 80));

    w.Command10_Click();
    const QByteArray bytes = fileBytes("Misdibujos/Sin_nombre 5-3-2012--9-7-3.bmp");
    ASSERT_GE(bytes.size(), 54);
    EXPECT_EQ(bytes.left(2), "BM");
    EXPECT_EQ(littleEndian32(bytes, 18), static_cast<quint32>(w.Picture1->width()));
    EXPECT_EQ(littleEndian32(bytes, 22), static_cast<quint32>(w.Picture1->height()));
    EXPECT_EQ(static_cast<quint8>(bytes[28]), 24u) << "bits per pixel";
    EXPECT_EQ(littleEndian32(bytes, 30), 0u) << "uncompressed";
    EXPECT_EQ(fileImage("Misdibujos/Sin_nombre 5-3-2012--9-7-3.bmp"), shown);

    EXPECT_EQ(rgb(w.Picture1->picture()), shown) << "the colouring became the canvas's picture";
    EXPECT_TRUE(w.Picture1->autoRedraw());
    EXPECT_TRUE(w.drawingChanged);
    EXPECT_FALSE(app.exists("dibujos/animales/1.bmp")) << "no kept colouring written";
    EXPECT_EQ(w.File4.listCount(), 0) << "the saved-work list is the folder at start-up";
}

TEST_F(SavedWork, FailedSaveLeavesCanvasAndEarlierFilesAsTheyWere)
{
    userName = "Ana";
    app.writePicture("Misdibujos/Ana 5-3-2012--9-7-3.bmp", lineDrawing(60, 40, 9));
    const QByteArray earlier = fileBytes("Misdibujos/Ana 5-3-2012--9-7-3.bmp");
    ASSERT_FALSE(earlier.isEmpty());
    Form1 &w = loadAt(fifthOfMarch);
    paintStep(w, {5, 5}, qRgb(0, 200, 0));
    const QImage painted = canvas(w);
    {
        const FileSizeLimit full(1000); // the new bitmap needs several kilobytes
        w.Command10_Click();
    }
    EXPECT_EQ(fileBytes("Misdibujos/Ana 5-3-2012--9-7-3.bmp"), earlier);
    EXPECT_EQ(savedFiles(), QStringList{"Ana 5-3-2012--9-7-3.bmp"}) << "no leftovers";
    EXPECT_EQ(canvas(w), painted);

    // A file standing where the saved-work folder should be.
    QDir(app.file("Misdibujos")).removeRecursively();
    app.writeText("Misdibujos", "not a folder");
    w.Command10_Click();
    EXPECT_EQ(canvas(w), painted);
    w.command4_Click(); // the program goes on
    EXPECT_EQ(w.drawingNumber, 2);
}

TEST_F(SavedWork, OpenButtonOpensTheNewestFileOfTheFolderAsItIsThen)
{
    const QString early = "Misdibujos/Ana 9-1-2027--10-0-0.bmp";
    const QString late = "Misdibujos/Ana 10-1-2027--10-0-0.bmp"; // sorts first
    const auto touch = [this](const QString &relative, const QDateTime &when) {
        QFile file(app.file(relative));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite) &&
                    file.setFileTime(when, QFileDevice::FileModificationTime));
    };
    const QDateTime hourAgo = QDateTime::currentDateTime().addSecs(-3600);
    for (const QString &name : {early, late}) {
        app.writePicture(name, lineDrawing(4, 4));
        touch(name, hourAgo);
    }
    userName = "Ana";
    Form1 &w = loadAt(fifthOfMarch);
    w.Command11->click(); // equal times: the later name
    touch(late, hourAgo.addSecs(60));
    w.Command11->click();
    w.Command10_Click(); // saved now: the newest, though not the last name
    w.Command11->click();
    EXPECT_EQ(opened, (QList<QUrl>{
                          QUrl::fromLocalFile(app.file(early)), QUrl::fromLocalFile(app.file(late)),
                          QUrl::fromLocalFile(app.file("Misdibujos/Ana 5-3-2012--9-7-3.bmp"))}));
}

TEST_F(SavedWork, OpenButtonWithNothingSavedDoesNothing)
{
    app.makeFolder("Misdibujos");
    Form1 &w = loadAt(fifthOfMarch);
    w.Command11_Click();
    QDir(app.file("Misdibujos")).removeRecursively();
    Form1 &missing = loadAt(fifthOfMarch);
    missing.Command11_Click();
    EXPECT_TRUE(opened.isEmpty());
    (void)w;
}

TEST_F(SavedWork, QuitKeepsTheColouringOnlyWhenChanged)
{
    {
        Form1 &w = loadAt(fifthOfMarch);
        w.Command2->click();
        EXPECT_EQ(quits, 1);
        EXPECT_EQ(allFiles().filter(".bmp"), QStringList{}) << "quitting after loading";
    }
    {
        Form1 &w = loadAt(fifthOfMarch);
        w.command4_Click();
        paintStep(w, {5, 5}, qRgb(0, 200, 0));
        const QImage painted = canvas(w);
        w.Command2->click();
        EXPECT_EQ(quits, 2);
        EXPECT_EQ(fileImage("dibujos/animales/2.bmp"), painted);
    }
}

TEST_F(SavedWork, QuitEndsTheProgramEvenWhenTheColouringCannotBeKept)
{
    Form1 &w = loadAt(fifthOfMarch);
    paintStep(w, {5, 5}, qRgb(0, 200, 0));
    app.makeFolder("dibujos/animales/1.bmp"); // a folder where the file should go
    w.Command2_Click();
    EXPECT_EQ(quits, 1);
    EXPECT_TRUE(QFileInfo(app.file("dibujos/animales/1.bmp")).isDir());
}
