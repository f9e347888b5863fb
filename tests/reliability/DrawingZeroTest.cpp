#include "support/MainWindowFixture.h"

#include <QDir>

// In a category without "1.gif" there are no drawings, and going back from
// drawing 1 reaches drawing 0. A colouring made there has no drawing to be
// kept for: writing "0.bmp" would leave a file that no start-up ever cleans up.
using DrawingZero = MainWindowFixture;

TEST_F(DrawingZero, GetsNoKeptColouring)
{
    app.writePicture("logos/casas.gif", QImage(10, 10, QImage::Format_RGB32));
    app.writePicture("dibujos/casas/1.bmp", lineDrawing(40, 30)); // kept from an earlier session
    app.writePicture("dibujos/casas/2.gif", lineDrawing(40, 30));
    setting("borra.txt", "NO");
    Form1 &w = load();
    ASSERT_EQ(w.drawingCount, 0);
    w.SaveUndoStep(); // a painting step: the drawing has changed
    w.command3_click();
    ASSERT_EQ(w.drawingNumber, 0);
    w.SaveUndoStep();
    w.command4_Click();
    EXPECT_EQ(w.drawingNumber, 1);
    EXPECT_EQ(QDir(app.file("dibujos/casas"))
                  .entryList(QDir::Files | QDir::Hidden)
                  .join(", ")
                  .toStdString(),
              "1.bmp, 2.gif");
}
