#include "app/ProgramState.h"
#include "support/MainWindowFixture.h"

#include <QPushButton>
#include <QUrl>

using SavedWork = MainWindowFixture;

// The camera keeps the canvas as a bitmap named by the child and the second, in
// "Misdibujos" (24 bits: tests/e2e/files_roundtrip.sh); a save within the same
// second replaces it. Open hands the newest file of the folder to the desktop,
// whatever its name (one that sorts first: tests/e2e/package.sh).
TEST_F(SavedWork, CameraAndOpen)
{
    writeCategory("animales", 3);
    setting("guarda.txt", "SI");
    app.writePicture("Misdibujos/Ana 9-3-2012--10-0-0.bmp", lineDrawing(4, 4)); // sorts last
    QFile older(app.file("Misdibujos/Ana 9-3-2012--10-0-0.bmp"));
    older.open(QIODevice::ReadWrite);
    older.setFileTime(QDateTime::currentDateTime().addDays(-4), QFileDevice::FileModificationTime);
    userName = "Ana";
    Form1 &w = load();
    QStringList opened;
    w.clock = [] { return QDateTime(QDate(2012, 3, 5), QTime(9, 7, 3)); };
    w.openDocument = [&opened](const QUrl &url) { opened << url.toLocalFile(); };
    for (const QRgb colour : {qRgb(12, 34, 56), qRgb(0, 0, 200)}) {
        paintStep(w, {5, 5}, colour);
        w.Command10->click();
    }
    const QString saved = "Misdibujos/Ana 5-3-2012--9-7-3.bmp";
    EXPECT_EQ(fileImage(saved), canvas(w));
    const QImage atSave = canvas(w);
    paintStep(w, {5, 5}, qRgb(200, 0, 0));
    EXPECT_EQ(rgb(w.Picture1->picture()), atSave) << "the colouring became the canvas's picture";
    EXPECT_EQ(QDir(app.file("Misdibujos")).entryList(QDir::Files).size(), 2);
    w.Command11->click();
    EXPECT_EQ(opened, QStringList{app.file(saved)});
}
