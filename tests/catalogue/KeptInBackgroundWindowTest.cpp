#include "support/FileSizeLimit.h"
#include "support/MainWindowFixture.h"

#include <QPushButton>

using KeptInBackground = MainWindowFixture;

// A colouring left for the next drawing is there on an immediate return,
// whether or not it has reached the disk yet, and on disk once the quit button
// has ended the program. A write that fails (a full disk) leaves the older
// kept colouring whole.
TEST_F(KeptInBackground, ColouringIsFoundOnReturnAndOnDiskAfterQuitting)
{
    writeCategory("animales", 2, qRgb(200, 100, 0), 1200, 900);
    app.writePicture("dibujos/animales/2.bmp", lineDrawing(1200, 900, 7));
    setting("borra.txt", "NO");
    const QImage older = fileImage("dibujos/animales/2.bmp");
    Form1 &w = load();
    int quits = 0;
    w.quitProgram = [&quits] { ++quits; };
    paintStep(w, {10, 10}, qRgb(0, 0, 200));
    const QImage first = canvas(w);
    w.command4_Click();
    w.command3_click();
    EXPECT_EQ(canvas(w), first) << "back at once";
    EXPECT_EQ(fileImage("dibujos/animales/1.bmp"), first);
    w.command4_Click();
    paintStep(w, {20, 10}, qRgb(0, 200, 0));
    {
        const FileSizeLimit fullDisk(0);
        w.command3_click();
        w.keptColourings.waitFor();
    }
    EXPECT_EQ(fileImage("dibujos/animales/2.bmp"), older);
    paintStep(w, {30, 10}, qRgb(200, 0, 0));
    w.Command2->click();
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(rgb(QImage(app.file("dibujos/animales/1.bmp"))), canvas(w)) << "after quitting";
}
