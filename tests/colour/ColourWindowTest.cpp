#include "colour/Indicator.h"
#include "platform/Random.h"
#include "support/MainWindowFixture.h"

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
        const QImage palette = textPicture({"r#b."}, {{'r', qRgb(250, 10, 100)}, {'b', 0xFF}});
        w.Picture6->setPicture(palette.scaled(40, 10));
        return w;
    }
    // What the thickness indicator shows dx pixels right of its dot's centre.
    static QRgb dotShown(Form1 &w, int dx = 0)
    {
        const QPoint centre = w.Picture4->toPixels(indicatorDotCentre(*w.Picture4)).toPoint();
        return w.Picture4->grab().toImage().pixel(centre + QPoint(dx, 0)) | 0xFF000000;
    }
};

// A press on the palette with any button makes its colour current (black as
// (1, 1, 1)) and refills the strip from it; a swatch makes its own colour
// current and leaves the strip, black from it becoming (4, 0, 0) in simple mode
// only. Either ends texture filling and shows the thickness dot in the picked
// colour without keeping it.
TEST_F(ColourWindow, PalettePressRefillsTheStripASwatchPressLeavesIt)
{
    Form1 &w = start();
    w.Picture4->show(); // as the pencil shows it
    const QRgb black = qRgb(0, 0, 0), nearBlack = qRgb(1, 1, 1), blue = qRgb(0, 0, 255);
    // clang-format off
    const std::tuple<QWidget *, QPoint, Qt::MouseButton, bool, QRgb, QRgb, QRgb> rows[] = {
        // control, where, button, simple mode, current colour, fill colour and dot, strip
        {w.Picture6, {5, 5}, Qt::RightButton, false, qRgb(250, 10, 100), qRgb(250, 10, 100), qRgb(250, 10, 100)},
        {w.Picture6, {15, 5}, Qt::MiddleButton, false, nearBlack, black, nearBlack},
        {w.Picture2[3], {3, 3}, Qt::LeftButton, false, qRgb(16, 16, 16), qRgb(16, 16, 16), nearBlack},
        {w.Picture2[12], {3, 3}, Qt::LeftButton, false, black, black, nearBlack},
        {w.Picture2[12], {3, 3}, Qt::LeftButton, true, qRgb(4, 0, 0), black, nearBlack},
        {w.Picture6, {25, 5}, Qt::LeftButton, false, blue, blue, blue}};
    // clang-format on
    for (const auto &[control, at, button, simple, current, fill, strip] : rows) {
        w.Picture7_MouseDown(1, 0, 10, 10);
        WindowAccess::simpleMode(w) = simple;
        sounds->clear();
        QTest::mousePress(control, button, {}, at);
        SCOPED_TRACE(testing::Message() << std::hex << current);
        EXPECT_EQ(WindowAccess::paint(w).rgb(), current);
        EXPECT_EQ(w.Picture1->fillColor(), fill);
        EXPECT_EQ(w.Picture2[0]->point(QPointF(30, 30)) | 0xFF000000, strip);
        EXPECT_TRUE(WindowAccess::paint(w).paintsColour());
        EXPECT_EQ(dotShown(w), control == w.Picture6 ? current : fill);
        EXPECT_EQ(*sounds, QStringList{app.file("sonidos/sonido4.wav")});
    }
}

// Each click on the indicator gives the canvas and the indicator the next
// thickness (the steps are PenWidth's); its dot shows the thickness and colour,
// and the wrap clears the dots.
TEST_F(ColourWindow, IndicatorClicksSetTheThicknessAndShowIt)
{
    Form1 &w = start();
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
// switches back. A file that is no picture leaves the preview. The second press
// of a double click is no second press: after a colour pick, a double click
// only switches to textures. (On the canvas one double click is one painting
// step: tests/e2e/canvas_click.sh.)
TEST_F(ColourWindow, TexturePressesShowWhatTheyStepTo)
{
    const QRgb a = qRgb(200, 0, 0), b = qRgb(0, 200, 0), c = qRgb(0, 0, 200);
    app.writePicture("texturas/a.png", plainPicture(12, 12, a));
    app.writePicture("texturas/b.png", plainPicture(12, 12, b));
    app.writeText("texturas/b2.txt", "not a picture");
    app.writePicture("texturas/c.png", plainPicture(12, 12, c));
    Form1 &w = start();
    const std::pair<int, QRgb> presses[] = {{2, a}, {1, b}, {1, b}, {1, c}, {2, c},
                                            {2, b}, {2, a}, {0, a}, {3, a}};
    for (const auto &[button, shown] : presses) {
        if (button == 3) // a double click
            QTest::mouseClick(w.Picture7, Qt::LeftButton, {}, QPoint(4, 4)),
                QTest::mouseDClick(w.Picture7, Qt::LeftButton, {}, QPoint(4, 4));
        else
            QTest::mousePress(button ? w.Picture7 : w.Picture6,
                              button ? Qt::MouseButton(button) : Qt::LeftButton, {}, QPoint(4, 4));
        EXPECT_EQ(w.Picture7->image().pixel(3, 3), shown);
        EXPECT_EQ(WindowAccess::paint(w).paintsColour(), button == 0);
    }
}

// The mosaic button draws nearly white lines in the canvas's thickness over the
// colouring, kept in the canvas.
TEST_F(ColourWindow, MosaicLinesAreDrawnOverTheColouringAndKept)
{
    Form1 &w = start();
    w.Picture1->setPicture(plainPicture(400, 300, qRgb(0, 200, 0)));
    w.Picture1->setDrawWidth(9);
    ProgramRandom::seed(20240611);
    w.Command9->click();
    w.Picture1->refresh();
    const QImage canvas = w.Picture1->image();
    int lines = 0, other = 0;
    for (int i = 0; i < 400 * 300; ++i) {
        lines += canvas.pixel(i % 400, i / 400) == 0xFFFBFBFB;
        other += canvas.pixel(i % 400, i / 400) != 0xFFFBFBFB &&
                 canvas.pixel(i % 400, i / 400) != qRgb(0, 200, 0);
    }
    EXPECT_EQ(other, 0);
    EXPECT_GE(lines, 10 * 9 * 60) << "ten lines 9 pixels thick, each at least 60 long";
}
