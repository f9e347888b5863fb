#include "canvas/CanvasWindow.h"

#include <QTest>

namespace
{
constexpr QRgb black = qRgb(0, 0, 0);
constexpr QRgb white = qRgb(255, 255, 255);
constexpr QRgb blue = qRgb(0, 0, 255);
constexpr QRgb green = qRgb(0, 255, 0);

// 40 x 30: a black frame and cross make four rooms (the cross runs along
// x = 20 and y = 15). Two loose black pixels touch each other at a corner in
// the top-left room. A diagonal line cuts the bottom-right room in two parts
// that touch only at corners; only its two ends touch the outline along a side.
QImage fourRooms()
{
    QImage image = lineDrawing(40, 30);
    image.setPixel(5, 5, black);
    image.setPixel(6, 6, black);
    for (int k = 0; k <= 12; ++k)
        image.setPixel(21 + k, 16 + k, black);
    return image;
}

// Black pixels that do not touch the outline along a side.
bool apartFromTheOutline(int x, int y)
{
    const bool loosePair = (x == 5 && y == 5) || (x == 6 && y == 6);
    const bool diagonalMiddle = x - y == 5 && x >= 22 && x <= 32;
    return loosePair || diagonalMiddle;
}

void pickColour(Form1 &w, QRgb colour)
{
    w.red = qRed(colour);
    w.green = qGreen(colour);
    w.blue = static_cast<qint16>(qBlue(colour));
}
} // namespace

using CanvasColourFill = CanvasWindow;

TEST_F(CanvasColourFill, FullModePressOnTheOutlineRecoloursTheWholeConnectedOutline)
{
    Form1 &w = loadWithCanvas(fourRooms());
    w.simpleMode = false;
    pickColour(w, blue);
    const QImage before = canvas();
    w.Picture1_Mousedown(1, 0, 20.0f, 7.4f); // on the cross

    QImage expected = before;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            if (before.pixel(x, y) == black && !apartFromTheOutline(x, y))
                expected.setPixel(x, y, blue);
    EXPECT_SAME_IMAGE(canvas(), expected);
    EXPECT_EQ(w.Picture1->fillColor() & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(w.undoIndex, 1);
    EXPECT_TRUE(w.drawingChanged);
    EXPECT_SAME_IMAGE(w.Image1[0]->picture(), before);
}

TEST_F(CanvasColourFill, SimpleModePressOnTheOutlineChangesNothingButTakesASnapshot)
{
    Form1 &w = loadWithCanvas(fourRooms());
    w.simpleMode = true;
    pickColour(w, blue);
    const QImage before = canvas();
    w.Picture1_Mousedown(1, 0, 20.0f, 7.0f);
    EXPECT_SAME_IMAGE(canvas(), before);
    EXPECT_EQ(w.undoIndex, 1);
    EXPECT_TRUE(w.drawingChanged);
    EXPECT_SAME_IMAGE(w.Image1[0]->picture(), before);
}

// A room holding a green spot, pressed on white: the simple mode fills up to
// the black lines over the spot; the full mode only the white around it. The
// other rooms, the loose pixels and the diagonal neighbour stay as they were.
TEST_F(CanvasColourFill, SimpleModeFillsUpToBlackFullModeOnlyThePressedColour)
{
    for (const bool simple : {true, false}) {
        QImage picture = fourRooms();
        fillRect(picture, QRect(8, 8, 3, 2), green);
        Form1 &w = loadWithCanvas(picture);
        w.simpleMode = simple;
        pickColour(w, blue);
        w.Picture1_Mousedown(1, 0, 12.5f, 3.5f); // rounds to (12, 4)

        QImage expected = picture;
        for (int y = 1; y < 15; ++y)
            for (int x = 1; x < 20; ++x)
                if (picture.pixel(x, y) == white || (simple && picture.pixel(x, y) == green))
                    expected.setPixel(x, y, blue);
        EXPECT_SAME_IMAGE(canvas(), expected) << (simple ? "simple" : "full");
    }
}

TEST_F(CanvasColourFill, AreasOfDifferentColoursStayApartWithoutALineBetween)
{
    QImage picture = whiteImage(20, 10);
    fillRect(picture, QRect(0, 0, 10, 10), qRgb(255, 255, 0));
    Form1 &w = loadWithCanvas(picture);
    w.simpleMode = false;
    pickColour(w, blue);
    w.Picture1_Mousedown(1, 0, 3, 3);
    EXPECT_EQ(countColour(canvas(), blue), 100); // the yellow half, to the image's edges
    EXPECT_EQ(countColour(canvas(), white), 100);
}

TEST_F(CanvasColourFill, DiagonalNeighboursDoNotConnectInEitherMode)
{
    for (const bool simple : {true, false}) {
        Form1 &w = loadWithCanvas(fourRooms());
        w.simpleMode = simple;
        pickColour(w, blue);
        w.Picture1_Mousedown(1, 0, 35, 20); // above the diagonal line
        const QImage after = canvas();
        EXPECT_EQ(after.pixel(38, 17), blue) << simple;
        EXPECT_EQ(after.pixel(34, 28), blue) << simple;
        EXPECT_EQ(after.pixel(22, 28), white) << simple;
        // Room columns u = x - 21 in 0..17, rows v = y - 16 in 0..12: the part u > v.
        EXPECT_EQ(countColour(after, blue), 143) << simple;
    }
    Form1 &w = loadWithCanvas(fourRooms());
    w.simpleMode = false;
    pickColour(w, blue);
    w.Picture1_Mousedown(1, 0, 5, 5); // a black pixel alone
    EXPECT_EQ(countColour(canvas(), blue), 1);
    EXPECT_EQ(canvas().pixel(6, 6), black);
}

TEST_F(CanvasColourFill, EveryMouseButtonPaints)
{
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        Form1 &w = loadWithCanvas(fourRooms());
        pickColour(w, blue);
        QTest::mousePress(w.Picture1, button, {}, QPoint(30, 22));
        QTest::mouseRelease(w.Picture1, button, {}, QPoint(30, 22));
        const QImage after = canvas();
        EXPECT_EQ(after.pixel(38, 17), blue) << button;
        EXPECT_EQ(after.pixel(22, 27), white) << button;
        EXPECT_EQ(after.pixel(10, 10), white) << button;
        EXPECT_EQ(w.undoIndex, 1) << button;
        EXPECT_FALSE(w.Picture1->autoRedraw()) << "retained drawing left on";
    }
}

TEST_F(CanvasColourFill, PressLeavesRetainedDrawingOffWhateverItFound)
{
    Form1 &w = loadWithCanvas(fourRooms());
    for (const int tool : {0, 1, 2, 7}) {
        w.currentTool = tool;
        w.Picture1->setAutoRedraw(true);
        w.Picture1_Mousedown(1, 0, 10, 10);
        EXPECT_FALSE(w.Picture1->autoRedraw()) << "tool " << tool;
    }
    w.fillWithColour = false;
    w.Picture1->setAutoRedraw(true);
    w.Picture1_Mousedown(1, 0, 10, 10);
    EXPECT_FALSE(w.Picture1->autoRedraw()) << "texture fill";
}

TEST_F(CanvasColourFill, UnknownToolPaintsNothingAndTakesNoSnapshot)
{
    Form1 &w = loadWithCanvas(fourRooms());
    w.currentTool = 3;
    const QImage before = canvas();
    w.Picture1_Mousedown(1, 0, 10, 10);
    EXPECT_SAME_IMAGE(canvas(), before);
    EXPECT_EQ(w.undoIndex, 0);
    EXPECT_FALSE(w.drawingChanged);
}

using UndoRing = CanvasWindow;

TEST_F(UndoRing, FiveStepsLeaveIndexOneAndSlotZeroHoldingTheStateBeforeTheFifth)
{
    Form1 &w = loadWithCanvas(fourRooms());
    w.simpleMode = true;
    std::vector<QImage> before;
    for (int step = 0; step < 5; ++step) {
        before.push_back(canvas());
        pickColour(w, qRgb(10 * step + 10, 0, 0));
        w.Picture1_Mousedown(1, 0, 10, 10);
    }
    EXPECT_EQ(w.undoIndex, 1);
    EXPECT_SAME_IMAGE(w.Image1[0]->picture(), before[4]);
    EXPECT_SAME_IMAGE(w.Image1[1]->picture(), before[1]);
    EXPECT_SAME_IMAGE(w.Image1[2]->picture(), before[2]);
    EXPECT_SAME_IMAGE(w.Image1[3]->picture(), before[3]);
}

// A press copies into memory it already has: neither the canvas nor a slot
// gets a fresh buffer once the ring has gone round.
TEST_F(UndoRing, SnapshotsReuseTheSlotsAndLeaveTheCanvasInPlace)
{
    Form1 &w = loadWithCanvas(fourRooms());
    pickColour(w, blue);
    for (int step = 0; step < 4; ++step)
        w.Picture1_Mousedown(1, 0, 10, 10);
    std::vector<const uchar *> slotPixels;
    for (const ImageHolder *slot : w.Image1)
        slotPixels.push_back(slot->picture().constBits());
    const uchar *canvasPixels = w.Picture1->image().constBits();

    for (int step = 0; step < 4; ++step) {
        pickColour(w, qRgb(step, 0, 0));
        const QImage before = canvas();
        w.Picture1_Mousedown(2, 0, 10, 10);
        EXPECT_SAME_IMAGE(w.Image1[step]->picture(), before) << "slot " << step;
    }
    for (std::size_t i = 0; i < slotPixels.size(); ++i)
        EXPECT_EQ(w.Image1[i]->picture().constBits(), slotPixels[i]) << "slot " << i;
    EXPECT_EQ(w.Picture1->image().constBits(), canvasPixels);
}

TEST_F(UndoRing, ASlotTakesANewSizeWhenTheCanvasChangedSize)
{
    Form1 &w = loadWithCanvas(fourRooms());
    w.Picture1_Mousedown(1, 0, 10, 10);
    w.undoIndex = 0;
    w.Picture1->setPicture(lineDrawing(50, 20));
    const QImage before = canvas();
    w.Picture1_Mousedown(1, 0, 10, 10);
    EXPECT_SAME_IMAGE(w.Image1[0]->picture(), before);
}
