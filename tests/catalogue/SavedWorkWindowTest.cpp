#include "app/ProgramState.h"
#include "platform/TwipGeometry.h"
#include "support/MainWindowFixture.h"

#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QUrl>

using SavedWork = MainWindowFixture;

// The camera keeps the canvas as a bitmap named by the child and the second, in
// "Misdibujos" (24 bits: tests/e2e/files_roundtrip.sh); a save within the same
// second replaces it. Open hands
// the newest file of the folder as it is then to the desktop, whatever its name.
// (Quit keeps the colouring: tests/e2e/files_roundtrip.sh.)
TEST_F(SavedWork, CameraAndOpen)
{
    writeCategory("animales", 3);
    setting("guarda.txt", "SI");
    app.writePicture("Misdibujos/Ana 9-3-2012--10-0-0.bmp", lineDrawing(4, 4));
    QFile older(app.file("Misdibujos/Ana 9-3-2012--10-0-0.bmp"));
    older.open(QIODevice::ReadWrite);
    older.setFileTime(QDateTime::currentDateTime().addDays(-4), QFileDevice::FileModificationTime);
    app.writePicture("Misdibujos/Ana 10-3-2012--10-0-0.bmp", lineDrawing(4, 4)); // sorts first
    userName = "Ana";
    Form1 &w = load();
    QStringList opened;
    w.clock = [] { return QDateTime(QDate(2012, 3, 5), QTime(9, 7, 3)); };
    w.openDocument = [&opened](const QUrl &url) { opened << url.toLocalFile(); };
    w.Command11->click();
    EXPECT_EQ(opened, QStringList{app.file("Misdibujos/Ana 10-3-2012--10-0-0.bmp")});
    for (const QRgb colour : {qRgb(12, 34, 56), qRgb(0, 0, 200)}) {
        paintStep(w, {5, 5}, colour);
        w.Command10->click();
    }
    const QString saved = "Misdibujos/Ana 5-3-2012--9-7-3.bmp";
    EXPECT_EQ(fileImage(saved), canvas(w));
    EXPECT_EQ(rgb(w.Picture1->picture()), canvas(w)) << "the colouring became the canvas's picture";
    EXPECT_EQ(QDir(app.file("Misdibujos")).entryList(QDir::Files).size(), 3);
    w.Command11->click();
    EXPECT_EQ(opened.last(), app.file(saved));
}

// The canvas prints twip for twip from the printable area's left edge, centred
// down the sheet: on A4 (16838 twips) a canvas 8000 high starts 4419 twips
// down, row 1473 at 480 dpi; each press is a document of one page.
TEST_F(SavedWork, PrintIsTheCanvasTwipForTwipCentredDownThePage)
{
    writeCategory("animales", 1);
    Form1 &w = load();
    setGeometryTwips(w.Picture1, 60, 60, 3000, 8000);
    w.Picture1->image().fill(Qt::black);
    QStringList pdfs;
    w.openPrinter = [&] {
        auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFileName(app.file(QString("%1.pdf").arg(pdfs.size())));
        pdfs << printer->outputFileName();
        printer->setPageSize(QPageSize(QPageSize::A4));
        printer->setPageMargins(QMarginsF(12.7, 0, 0, 0), QPageLayout::Millimeter);
        return printer;
    };
    w.Command8->click();
    w.Command8->click();
    ASSERT_EQ(pdfs.size(), 2);
    const QByteArray pdf = fileBytes("1.pdf");
    EXPECT_EQ(pdf.count("/Type /Page") - pdf.count("/Type /Pages"), 1);
    if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
        GTEST_SKIP() << "pdftoppm is missing: the page itself is not looked at";
    QProcess::execute("pdftoppm", {"-r", "480", "-gray", "-png", "-singlefile", "-x", "200", "-y",
                                   "1440", "-W", "1100", "-H", "80", pdfs[0], pdfs[0]});
    const QImage page(pdfs[0] + ".png");
    ASSERT_EQ(page.size(), QSize(1100, 80));
    const auto grey = [&page](int x, int y) { return qGray(page.pixel(x - 200, y - 1440)); };
    // Above and on the top edge; left of and on the left edge (720 twips); on the
    // right edge 1000 pixels on, which the renderer may widen by a pixel, and past it.
    for (const auto &[x, y, white] : {std::tuple{500, 1472, true},
                                      {500, 1473, false},
                                      {239, 1500, true},
                                      {240, 1500, false},
                                      {1238, 1500, false},
                                      {1242, 1500, true}})
        EXPECT_EQ(grey(x, y) > 128, white) << x << "," << y;
}

// A save that works clicks like a camera and flashes the canvas white for a
// moment; one that fails (a file stands where the folder should) beeps and
// shows nothing. The colouring itself never changes.
TEST_F(SavedWork, ShutterAndFlashWhenItWorksBeepAloneWhenItFails)
{
    for (const bool fails : {false, true}) {
        SCOPED_TRACE(fails ? "failing save" : "save");
        writeCategory("animales", 1);
        if (fails) {
            QDir(app.file("Misdibujos")).removeRecursively();
            app.writeText("Misdibujos", "not a folder");
        }
        Form1 &w = load();
        w.show();
        paintStep(w, {5, 5}, qRgb(0, 200, 0));
        const QImage painted = canvas(w);
        sounds->clear();
        w.Command10_Click();
        EXPECT_EQ(soundNames(), QStringList{fails ? "beep" : "sonido6.wav"});
        EXPECT_EQ(screen(w).pixel(6, 6), fails ? qRgb(0, 200, 0) : qRgb(255, 255, 255));
        EXPECT_EQ(canvas(w), painted);
        QTRY_VERIFY_WITH_TIMEOUT(!w.Picture1->flashing(), 20000);
        EXPECT_EQ(screen(w).pixel(6, 6), qRgb(0, 200, 0));
    }
}
