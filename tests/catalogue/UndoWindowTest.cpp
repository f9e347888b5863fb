#include "support/MainWindowFixture.h"

#include <QPushButton>

using UndoWindow = MainWindowFixture;

// After a fill, four steps (kind, fill, kind, kind) come back to the exact canvases, then
// nothing; undo marks a colouring to keep.
TEST_F(UndoWindow, UndoTakesBackFourStepsOfEachKindToTheExactCanvases)
{
    writeCategory("animales", 2);
    app.writePicture("texturas/a.bmp", lineDrawing(9, 7, 3));
    for (const std::string kind : {"texture", "pencil", "line", "mosaic", "eraser"}) {
        Form1 &w = load();
        QList<QImage> states;
        for (int i = 0; i < 5; ++i) {
            const std::string k = i == 0 || i == 2 ? "fill" : kind;
            const float x = 5 + 30 * (i % 2), y = 5 + 20 * (i / 2 % 2);
            setColour(w, qRgb(250 - 60 * i, 40 * i, 0));
            w.Image2_Click(k == "pencil" ? 1 : k == "line" ? 2 : 0);
            if (k == "texture")
                w.Picture7_MouseDown(1, 0, 0, 0);
            if (k == "mosaic" || k == "eraser")
                (k == "mosaic" ? w.Command9 : w.Command1)->click();
            else
                w.Picture1_Mousedown(1, 0, x, y), w.Picture1_MouseMove(1, 0, x + 40, y + 12);
            w.Picture1_MouseUp(1, 0, x + 9, y + 30);
            states << canvas(w);
        }
        WindowAccess::drawingChanged(w) = false; // as when a kept colouring is shown
        for (const int expected : {3, 2, 1, 0, 0}) {
            w.Command6->click();
            EXPECT_EQ(canvas(w), states[expected]) << kind << ", back to state " << expected;
        }
        EXPECT_TRUE(WindowAccess::drawingChanged(w)) << kind;
    }
}
