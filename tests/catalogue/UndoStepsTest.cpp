#include "support/CatalogueFixture.h"

#include <QPushButton>

using UndoSteps = CatalogueFixture;

// The eraser and the mosaic lines are steps of their own: one press of undo
// right after either brings the colouring back, and leaving the drawing then
// keeps it.
TEST_F(UndoSteps, EraserAndMosaicLinesAreTakenBackByOnePress)
{
    for (QPushButton *Form1::*button : {&Form1::Command1, &Form1::Command9}) {
        SCOPED_TRACE(button == &Form1::Command1 ? "eraser" : "mosaic");
        writeCategory("animales", 2);
        setting("borra.txt", "NO");
        app.writePicture("dibujos/animales/1.bmp", lineDrawing(60, 40, 7)); // a kept colouring
        Form1 &w = load();
        const QImage before = canvas(w);
        ASSERT_EQ(before, fileImage("dibujos/animales/1.bmp"));
        (w.*button)->click();
        ASSERT_NE(canvas(w), before);
        w.Command6->click();
        EXPECT_EQ(canvas(w), before);
        w.Command6->click();
        EXPECT_EQ(canvas(w), before) << "nothing older to take back";
        w.command4_Click();
        EXPECT_EQ(fileImage("dibujos/animales/1.bmp"), before);
    }
}
