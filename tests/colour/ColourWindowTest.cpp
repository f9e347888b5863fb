#include "colour/Indicator.h"
#include "platform/Random.h"
#include "support/MainWindowFixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QTest>

// What the colour controls do in the window: the arithmetic is tested on its
// own.
class ColourWindow : public MainWindowFixture
{
protected:
    // A palette of four blocks of 10 x 10 pixels: (250, 10, 100), black, blue, white.
    Form1 &start()
    {
        writeTwoCategories();
        Form1 &w = loadOnScreen(1024, 768);
        QImage palette(40, 10, QImage::Format_RGB32);
        for (int x = 0; x < 40; ++x)
            for (int y = 0; y < 10; ++y)
                palette.setPixel(
                    x, y, QList<QRgb>{qRgb(250, 10, 100), 0, qRgb(0, 0, 255), 0xFFFFFF}[x / 10]);
        w.Picture6->setPicture(palette);
        return w;
    }
    static QRgb current(const Form1 &w) { return WindowAccess::paint(w).rgb(); }
    static QRgb swatch(const Form1 &w, int i)
    {
        return w.Picture2[i]->point(QPointF(30, 30)) | 0xFF000000;
    }
    // What the thickness indicator shows dx pixels right of its dot's centre.
    static QRgb dotShown(Form1 &w, int dx = 0)
    {
        const QPoint centre = w.Picture4->toPixels(indicatorDotCentre(*w.Picture4)).toPoint();
        return w.Picture4->grab().toImage().pixel(centre + QPoint(dx, 0)) | 0xFF000000;
    }
};

// A press on the palette with any button makes its colour current (black as
// (1, 1, 1)), refills the strip from it, ends texture filling and shows the
// thickness dot in it without keeping it.
TEST_F(ColourWindow, PalettePressMakesTheColourCurrentWithItsShades)
{
    Form1 &w = start();
    w.Picture4->show(); // as the pencil shows it
    w.Picture7_MouseDown(1, 0, 10, 10);
    const std::tuple<Qt::MouseButton, int, QRgb> rows[] = {{Qt::RightButton, 0, qRgb(250, 10, 100)},
                                                           {Qt::MiddleButton, 1, qRgb(1, 1, 1)},
                                                           {Qt::LeftButton, 2, qRgb(0, 0, 255)}};
    for (const auto &[button, block, colour] : rows) {
        sounds->clear();
        QTest::mousePress(w.Picture6, button, {}, QPoint(10 * block + 5, 5));
        EXPECT_EQ(current(w), colour);
        EXPECT_EQ(w.Picture1->fillColor(), block == 1 ? qRgb(0, 0, 0) : colour);
        EXPECT_EQ(swatch(w, 0), colour);
        EXPECT_TRUE(WindowAccess::paint(w).paintsColour());
        EXPECT_EQ(dotShown(w), colour);
        EXPECT_EQ(*sounds, QStringList{app.file("sonidos/sonido4.wav")});
    }
    w.Picture4->refresh();
    EXPECT_EQ(dotShown(w), qRgb(255, 0, 0)) << "the start image's red dot";
}

// A swatch makes its own colour current and leaves the strip; black from a
// swatch becomes (4, 0, 0) in simple mode only. A double click on the palette
// copies the canvas as coloured.
TEST_F(ColourWindow, SwatchPressLeavesTheStripAndDoubleClickCopiesTheCanvas)
{
    Form1 &w = start();
    QTest::mousePress(w.Picture6, Qt::LeftButton, {}, QPoint(15, 5)); // black: dark swatches black
    for (const bool simple : {false, true}) {
        WindowAccess::simpleMode(w) = simple;
        QTest::mousePress(w.Picture2[3], Qt::LeftButton, {}, QPoint(3, 3));
        EXPECT_EQ(current(w), qRgb(16, 16, 16));
        QTest::mousePress(w.Picture2[12], Qt::LeftButton, {}, QPoint(3, 3));
        EXPECT_EQ(current(w), simple ? qRgb(4, 0, 0) : qRgb(0, 0, 0));
        EXPECT_EQ(w.Picture1->fillColor(), qRgb(0, 0, 0));
        EXPECT_EQ(swatch(w, 0), qRgb(1, 1, 1));
    }
    EXPECT_EQ(sounds->size(), 5);
    w.Picture1->image().setPixel(20, 12, qRgb(0, 0, 255));
    QTest::mouseClick(w.Picture6, Qt::LeftButton, {}, QPoint(5, 5)); // a double-click's first press
    QTest::mouseDClick(w.Picture6, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              w.Picture1->image());
}

// Each click on the indicator gives the canvas and the indicator the next
// thickness (4, 6, ... 40, then 1); its dot shows the thickness and colour, and
// the wrap clears the dots.
TEST_F(ColourWindow, IndicatorClicksSetTheThicknessAndShowIt)
{
    Form1 &w = start();
    EXPECT_EQ(dotShown(w, 0), qRgb(255, 0, 0)) << "start image: a red dot";
    EXPECT_EQ(dotShown(w, 20), qRgb(0, 255, 0)) << "on a green disc";
    w.Picture4->show();
    setColour(w, qRgb(255, 0, 255));
    for (int click = 1; click <= 20; ++click) {
        QTest::mouseClick(w.Picture4, Qt::LeftButton, {}, QPoint(5, 5));
        const int width = click < 20 ? 2 + 2 * click : 1;
        EXPECT_EQ(std::pair(w.Picture1->drawWidth(), w.Picture4->drawWidth()),
                  std::pair(width, width));
        EXPECT_EQ(dotShown(w, click % 20), qRgb(255, 0, 255)) << click;
        EXPECT_EQ(dotShown(w, click < 20 ? click + 2 : 18), qRgb(0, 255, 0)) << click;
    }
}

// Presses on the texture preview show the texture they step to (the first only
// switches to texture filling, the stepping is PaintChoice's); a colour pick
// switches back. A file that is no picture leaves the preview.
TEST_F(ColourWindow, TexturePressesSwitchThenStepRoundTheList)
{
    const QRgb a = qRgb(200, 0, 0), b = qRgb(0, 200, 0), c = qRgb(0, 0, 200);
    app.writePicture("texturas/a.png", plainPicture(12, 12, a));
    app.writePicture("texturas/B.png", plainPicture(12, 12, b)); // name order ignores case
    app.writeText("texturas/b2.txt", "not a picture");
    app.writePicture("texturas/c.png", plainPicture(12, 12, c));
    Form1 &w = start();
    const std::pair<int, QRgb> presses[] = {{2, a}, {1, b}, {1, b}, {1, c}, {1, a},
                                            {2, c}, {2, c}, {0, c}, {1, c}, {2, b}};
    for (const auto &[button, shown] : presses) {
        if (button == 0)
            QTest::mousePress(w.Picture6, Qt::LeftButton, {}, QPoint(5, 5));
        else
            QTest::mousePress(w.Picture7, Qt::MouseButton(button), {}, QPoint(4, 4));
        EXPECT_EQ(w.Picture7->image().pixel(3, 3), shown);
        EXPECT_EQ(WindowAccess::paint(w).paintsColour(), button == 0);
    }
}

// The mosaic button draws ten nearly white lines in the canvas's thickness over
// the colouring, kept in the canvas: one end of each line in each fifth of an
// edge.
TEST_F(ColourWindow, MosaicLinesAreDrawnOverTheColouringAndKept)
{
    Form1 &w = start();
    w.Picture1->setPicture(plainPicture(400, 300, qRgb(0, 200, 0)));
    w.Picture1->setDrawWidth(9);
    ProgramRandom::seed(20240611);
    w.Command9->click();
    w.Picture1->refresh();
    const QImage canvas = w.Picture1->image();
    std::vector<int> perFifth(10, 0);
    int other = 0;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x) {
            const bool line = canvas.pixel(x, y) == 0xFFFBFBFB;
            other += !line && canvas.pixel(x, y) != qRgb(0, 200, 0);
            perFifth[x / 80] += line && y == 0;
            perFifth[5 + y / 60] += line && x == 0;
        }
    EXPECT_EQ(other, 0);
    for (int fifth = 0; fifth < 10; ++fifth)
        EXPECT_GE(perFifth[fifth], 5) << fifth; // a line 9 pixels thick, its end rounded
}
