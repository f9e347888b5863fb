#include "support/MainWindowFixture.h"

#include <QPushButton>

using Navigation = MainWindowFixture;

// The drawing buttons are wired to the position (its arithmetic is
// CataloguePositionTest's) and show the drawing it reaches; without "1.gif"
// back from 1 reaches 0, and nothing is kept for 0.
TEST_F(Navigation, DrawingButtonsRunRoundTheCategory)
{
    writeCategory("animales", 3);
    writeCategory("casas", 0);
    app.writePicture("dibujos/casas/2.gif", lineDrawing(40, 30));
    Form1 &w = load();
    for (const int expected : {2, -1}) { // forward, then back
        (expected > 0 ? w.Command4 : w.Command3)->click();
        EXPECT_EQ(WindowAccess::position(w).drawing(), std::abs(expected));
        EXPECT_EQ(canvas(w), lineDrawing(60, 40, std::abs(expected)));
    }
    w.Command5_Click();
    for (const auto &[button, expected] : {std::pair{w.Command3, 0}, {w.Command4, 1}}) {
        w.SaveUndoStep(); // a painting step: the drawing has changed
        button->click();
        EXPECT_EQ(WindowAccess::position(w).drawing(), expected);
    }
    EXPECT_TRUE(fileImage("dibujos/casas/0.bmp").isNull());
}

// A drawing painted on is kept when left and resumed on return (as
// tests/e2e/files_roundtrip.sh shows through the program); only the next button
// clears the changed flag; start again deletes the kept colouring. A drawing
// that cannot be read leaves the one before, a kept colouring, shown.
TEST_F(Navigation, PaintedDrawingIsErasedByStartAgainAndKeptBlank)
{
    writeCategory("animales", 3);
    Form1 &w = load();
    w.command4_Click();
    paintStep(w, {10, 10}, qRgb(0, 200, 0));
    w.command4_Click();
    EXPECT_FALSE(WindowAccess::drawingChanged(w));
    w.command3_click();
    paintStep(w, {30, 10}, qRgb(0, 200, 0));
    w.Command1_Click();
    EXPECT_FALSE(app.exists("dibujos/animales/2.bmp"));
    EXPECT_EQ(canvas(w), lineDrawing(60, 40, 2));
    w.command3_click(); // the flag still set: drawing 2 is kept blank
    EXPECT_TRUE(WindowAccess::drawingChanged(w));
    EXPECT_EQ(fileImage("dibujos/animales/2.bmp"), lineDrawing(60, 40, 2));
    app.writeText("dibujos/animales/3.gif", "GIF89a but nothing more");
    w.command4_Click();
    w.command4_Click();
    EXPECT_EQ(canvas(w), lineDrawing(60, 40, 2));
}

// The category button runs round from each category's first drawing, with its
// logo; a name holding "peque" gets the small palette and neither texture nor mosaic.
TEST_F(Navigation, CategoryButtonRunsRoundWithLogosAndModes)
{
    const QString names[] = {"animales", "los_peques", "Peque_no"};
    const QRgb logos[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
    for (int i = 0; i < 3; ++i)
        writeCategory(names[i], 3 - i, logos[i], 60 + i, 40);
    app.writePicture("paletas/paletapeque.bmp", plainPicture(92, 200, 0));
    app.writePicture("paletas/paletagrande.bmp", plainPicture(92, 300, 0));
    Form1 &w = load();
    w.command3_click();
    for (int i : {1, 2, 0}) {
        w.Command5_Click();
        const bool simple = i == 1;
        SCOPED_TRACE(names[i].toStdString());
        EXPECT_EQ(WindowAccess::position(w).drawing(), 1);
        EXPECT_EQ(WindowAccess::position(w).count(), 3 - i);
        EXPECT_EQ(canvas(w), lineDrawing(60 + i, 40, 1));
        EXPECT_EQ(w.Command5->icon().pixmap(20, 20).toImage().pixel(10, 10), logos[i]);
        EXPECT_EQ(WindowAccess::simpleMode(w), simple);
        EXPECT_EQ(w.Picture6->picture().height(), simple ? 200 : 300);
        EXPECT_EQ(w.Picture7->isHidden(), simple);
        EXPECT_EQ(w.Command9->isHidden(), simple);
        EXPECT_TRUE(w.Command5->styleSheet().contains(simple ? "(0, 255, 0)" : "(255, 255, 0)"));
    }
}

// Clicked, not called: each button must be connected to its handler.
TEST_F(Navigation, EachButtonPlaysItsOwnSound)
{
    writeCategory("animales", 3);
    Form1 &w = load();
    w.quitProgram = [] {};
    w.openPrinter = [] { return std::shared_ptr<QPrinter>(); };
    // clang-format off
    for (const auto &[button, sound] : {std::pair<QPushButton *, QString>{w.Command4, "sonido1"},
             {w.Command3, "sonido2"}, {w.Command5, "sonido3"}, {w.Command1, "sonido4"},
             {w.Command6, "sonido5"}, {w.Command10, "sonido6"}, {w.Command8, ""}, {w.Command2, ""}}) {
        // clang-format on
        sounds->clear();
        button->click();
        EXPECT_EQ(soundNames().join(""), sound.isEmpty() ? "" : sound + ".wav");
    }
}
