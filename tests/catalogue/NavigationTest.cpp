#include "support/CatalogueFixture.h"
#include "support/FileSizeLimit.h"

#include <QPushButton>

using Navigation = CatalogueFixture;

namespace
{
const QRgb green = qRgb(0, 200, 0);
}

TEST_F(Navigation, DrawingButtonsWrapAroundThreeDrawings)
{
    writeCategory("animales", 3);
    Form1 &w = load();
    for (int expected : {2, 3, 1}) {
        w.command4_Click();
        EXPECT_EQ(w.drawingNumber, expected);
        EXPECT_EQ(canvas(w), rgb(lineDrawing(60, 40, expected))) << "forward to " << expected;
    }
    for (int expected : {3, 2, 1, 3}) {
        w.command3_click();
        EXPECT_EQ(w.drawingNumber, expected);
        EXPECT_EQ(canvas(w), rgb(lineDrawing(60, 40, expected))) << "back to " << expected;
    }
}

TEST_F(Navigation, OneDrawingIsReloadedByBothButtonsAndKeptWhenChanged)
{
    writeCategory("solo", 1);
    Form1 &w = load();
    w.command4_Click();
    w.command3_click();
    EXPECT_EQ(w.drawingNumber, 1);
    EXPECT_FALSE(app.exists("dibujos/solo/1.bmp")) << "nothing painted, nothing kept";

    paintStep(w, {5, 5}, green);
    w.command4_Click();
    EXPECT_EQ(w.drawingNumber, 1);
    EXPECT_EQ(fileImage("dibujos/solo/1.bmp").pixel(6, 6), green | 0xFF000000);
    EXPECT_EQ(canvas(w).pixel(6, 6), green | 0xFF000000) << "reloaded from the kept colouring";

    paintStep(w, {20, 5}, qRgb(0, 0, 200));
    w.command3_click();
    EXPECT_EQ(w.drawingNumber, 1);
    EXPECT_EQ(fileImage("dibujos/solo/1.bmp").pixel(21, 6), qRgb(0, 0, 200));
    EXPECT_EQ(canvas(w).pixel(21, 6), qRgb(0, 0, 200));
}

TEST_F(Navigation, PaintedDrawingIsKeptAndResumedOnReturn)
{
    writeCategory("animales", 3);
    Form1 &w = load();
    w.command4_Click();
    paintStep(w, {10, 10}, green);
    const QImage painted = canvas(w);

    w.command4_Click();
    EXPECT_FALSE(w.drawingChanged);
    EXPECT_FALSE(app.exists("dibujos/animales/1.bmp")) << "drawing 1 was left unpainted";
    ASSERT_TRUE(app.exists("dibujos/animales/2.bmp"));
    EXPECT_EQ(fileImage("dibujos/animales/2.bmp"), painted);
    EXPECT_EQ(canvas(w), rgb(lineDrawing(60, 40, 3)));

    w.command3_click();
    EXPECT_EQ(w.drawingNumber, 2);
    EXPECT_EQ(canvas(w), painted);
    EXPECT_EQ(rgb(w.Picture8->picture()), painted);
}

TEST_F(Navigation, OnlyNextDrawingClearsTheChangedFlag)
{
    writeCategory("animales", 3);
    writeCategory("casas", 2);
    Form1 &w = load();
    paintStep(w, {10, 10}, green);
    w.command3_click();
    EXPECT_TRUE(w.drawingChanged);
    w.Command5_Click();
    EXPECT_TRUE(w.drawingChanged);
    w.Command1_Click();
    EXPECT_TRUE(w.drawingChanged);
    w.command4_Click();
    EXPECT_FALSE(w.drawingChanged);
    // The flag still set after the back button kept drawing 3 of animales,
    // shown but never painted, as a coloured copy when the category changed.
    EXPECT_EQ(fileImage("dibujos/animales/3.bmp"), rgb(lineDrawing(60, 40, 3)));
}

TEST_F(Navigation, SecondCategoryPressKeepsDrawingOneOfTheCategoryPassedThrough)
{
    writeCategory("animales", 3, qRgb(255, 0, 0));
    writeCategory("barcos", 2, qRgb(0, 255, 0));
    writeCategory("casas", 2, qRgb(0, 0, 255));
    Form1 &w = load();
    paintStep(w, {10, 10}, green);
    w.Command5_Click();
    EXPECT_EQ(w.categoryIndex, 1);
    EXPECT_EQ(fileImage("dibujos/animales/1.bmp").pixel(11, 11), green | 0xFF000000);
    w.Command5_Click();
    EXPECT_EQ(w.categoryIndex, 2);
    ASSERT_TRUE(app.exists("dibujos/barcos/1.bmp"));
    EXPECT_EQ(fileImage("dibujos/barcos/1.bmp"), rgb(lineDrawing(60, 40, 1)));
}

TEST_F(Navigation, FiveCategoriesReturnToTheFirstAtItsFirstDrawing)
{
    const QStringList names{"a_uno", "b_dos", "c_tres", "d_cuatro", "e_cinco"};
    const QList<QRgb> logos{qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 0),
                            qRgb(0, 255, 255)};
    for (int i = 0; i < 5; ++i)
        writeCategory(names[i], 5 - i, logos[i], 60 + i, 40);
    Form1 &w = load();
    w.command3_click(); // to drawing 5 of a_uno
    ASSERT_EQ(w.drawingNumber, 5);
    for (int i = 1; i <= 5; ++i) {
        w.Command5_Click();
        const int expected = i % 5;
        EXPECT_EQ(w.categoryIndex, expected);
        EXPECT_EQ(w.drawingNumber, 1);
        EXPECT_EQ(w.drawingCount, 5 - expected);
        EXPECT_EQ(canvas(w), rgb(lineDrawing(60 + expected, 40, 1)));
        const QImage shown = w.Command5->icon().pixmap(20, 20).toImage();
        EXPECT_EQ(shown.pixel(10, 10), logos[expected])
            << "logo of " << names[expected].toStdString();
    }
}

TEST_F(Navigation, CategoryChangeAppliesTheSimpleModeBeforeShowing)
{
    writeCategory("animales", 2);
    writeCategory("pequenos", 2, qRgb(0, 255, 0), 50, 30);
    Form1 &w = load();
    w.Command5_Click();
    EXPECT_TRUE(w.simpleMode);
    EXPECT_EQ(w.drawingCount, 2);
    EXPECT_EQ(canvas(w), rgb(lineDrawing(50, 30, 1)));
    w.Command5_Click();
    EXPECT_FALSE(w.simpleMode);
}

TEST_F(Navigation, StartAgainDeletesTheKeptColouringAndShowsTheBlankDrawing)
{
    writeCategory("animales", 3);
    Form1 &w = load();
    w.command4_Click();
    paintStep(w, {10, 10}, green);
    w.command4_Click();
    w.command3_click();
    ASSERT_TRUE(app.exists("dibujos/animales/2.bmp"));
    ASSERT_EQ(canvas(w).pixel(11, 11), green | 0xFF000000);
    paintStep(w, {30, 10}, green);

    w.Command1_Click();
    EXPECT_FALSE(app.exists("dibujos/animales/2.bmp"));
    EXPECT_EQ(canvas(w), rgb(lineDrawing(60, 40, 2)));
    EXPECT_EQ(rgb(w.Picture8->picture()), rgb(lineDrawing(60, 40, 2)));
    EXPECT_EQ(w.drawingNumber, 2);
}

TEST_F(Navigation, StartAgainWithoutKeptColouringOnlyReloads)
{
    writeCategory("animales", 3);
    app.writePicture("dibujos/animales/1.BMP", lineDrawing(60, 40, 9)); // not exactly "1.bmp"
    Form1 &w = load();
    paintStep(w, {10, 10}, green);
    w.Command1_Click();
    EXPECT_EQ(canvas(w), rgb(lineDrawing(60, 40, 1)));
    EXPECT_TRUE(app.exists("dibujos/animales/1.BMP"));
    EXPECT_EQ(*sounds, QStringList{app.file("sonidos/sonido4.wav")});
}

TEST_F(Navigation, EachButtonPlaysItsOwnSound)
{
    writeCategory("animales", 3);
    writeCategory("casas", 2);
    setting("guarda.txt", "SI");
    Form1 &w = load();
    w.quitProgram = [] {};
    w.openPrinter = [] { return std::shared_ptr<QPrinter>(); };
    w.openDocument = [](const QUrl &) {};
    struct Press {
        const char *name;
        QPushButton *button;
        QString sound; // empty: silent
    };
    // Clicked, not called: the buttons must be connected to their handlers.
    for (const Press &p :
         {Press{"Command4", w.Command4, "sonido1.wav"},
          Press{"Command3", w.Command3, "sonido2.wav"},
          Press{"Command5", w.Command5, "sonido3.wav"},
          Press{"Command1", w.Command1, "sonido4.wav"},
          Press{"Command6", w.Command6, "sonido5.wav"},
          Press{"Command10", w.Command10, "sonido6.wav"}, Press{"Command8", w.Command8, ""},
          Press{"Command11", w.Command11, ""}, Press{"Command2", w.Command2, ""}}) {
        sounds->clear();
        p.button->click();
        const QStringList expected =
            p.sound.isEmpty() ? QStringList{} : QStringList{app.file("sonidos/" + p.sound)};
        EXPECT_EQ(*sounds, expected) << p.name;
    }
}

TEST_F(Navigation, KeptColouringSurvivesAWriteThatFailsHalfWay)
{
    writeCategory("animales", 3);
    setting("borra.txt", "NO");
    QImage kept = lineDrawing(60, 40, 1);
    kept.setPixel(10, 10, qRgb(0, 0, 200));
    app.writePicture("dibujos/animales/1.bmp", kept);
    const QByteArray before = fileBytes("dibujos/animales/1.bmp");
    Form1 &w = load();
    paintStep(w, {20, 20}, green);
    {
        const FileSizeLimit full(1000); // the bitmap needs several kilobytes
        w.command4_Click();
    }
    EXPECT_EQ(fileBytes("dibujos/animales/1.bmp"), before);
    EXPECT_EQ(QDir(app.file("dibujos/animales")).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"1.bmp", "1.gif", "2.gif", "3.gif"}))
        << "no half-written leftovers";
    EXPECT_EQ(w.drawingNumber, 2) << "the button went on";

    // A folder standing in the kept colouring's place cannot be replaced either.
    paintStep(w, {20, 20}, green);
    app.makeFolder("dibujos/animales/2.bmp");
    app.writeText("dibujos/animales/2.bmp/inside.txt", "x");
    w.command4_Click();
    EXPECT_TRUE(app.exists("dibujos/animales/2.bmp/inside.txt"));
    EXPECT_EQ(w.drawingNumber, 3);
}
