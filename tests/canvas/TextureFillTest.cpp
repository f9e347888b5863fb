#include "canvas/CanvasWindow.h"

namespace
{
constexpr QRgb black = qRgb(0, 0, 0);
constexpr QRgb white = qRgb(255, 255, 255);
constexpr QRgb marker = qRgb(255, 224, 192);

// A 100 x 50 tile in which every pixel has its own colour.
QImage numberedTile()
{
    QImage tile(100, 50, QImage::Format_RGB32);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 100; ++x)
            tile.setPixel(x, y, qRgb(x, 4 * y, 7));
    return tile;
}

QRgb tilePixel(int x, int y)
{
    return qRgb(x % 100, 4 * (y % 50), 7);
}

// 60 x 40: a black block from (10, 10) to the bottom edge, so the white area is
// an arch: a band along the top and two legs. Inside the block, one pixel has
// the colour a texture fill once used as its marker.
QImage arch()
{
    QImage image = whiteImage(60, 40);
    fillRect(image, QRect(10, 10, 40, 30), black);
    image.setPixel(30, 20, marker);
    return image;
}
} // namespace

class CanvasTextureFill : public CanvasWindow
{
protected:
    Form1 &loadWithTexture(const QImage &picture)
    {
        Form1 &w = loadWithCanvas(picture);
        w.Picture7->resize(100, 50);
        w.Picture7->setPicture(numberedTile());
        w.fillWithColour = false;
        w.textureActive = true;
        return w;
    }
};

TEST_F(CanvasTextureFill, WholeCanvasIsTiledFromItsTopLeftCorner)
{
    Form1 &w = loadWithTexture(whiteImage(300, 200));
    w.Picture1_Mousedown(1, 0, 123.4f, 77.6f);
    const QImage after = canvas();
    EXPECT_EQ(after.pixel(250, 120), tilePixel(50, 20));
    QImage expected(300, 200, QImage::Format_RGB32);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x)
            expected.setPixel(x, y, tilePixel(x, y));
    EXPECT_SAME_IMAGE(after, expected);
}

// Pressed low in the left leg: the whole arch, round the block and down the
// other leg, is textured, and nothing else changes.
TEST_F(CanvasTextureFill, AnAreaBendingRoundAShapeIsTexturedCompletelyAndNothingElse)
{
    Form1 &w = loadWithTexture(arch());
    const QImage before = canvas();
    w.Picture1_Mousedown(1, 0, 5, 35);

    QImage expected = before;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x)
            if (before.pixel(x, y) == white)
                expected.setPixel(x, y, tilePixel(x, y));
    EXPECT_SAME_IMAGE(canvas(), expected);
    EXPECT_EQ(canvas().pixel(30, 20), marker);
    EXPECT_EQ(canvas().pixel(55, 37), tilePixel(55, 37));
}

TEST_F(CanvasTextureFill, TakesASnapshotFirst)
{
    Form1 &w = loadWithTexture(arch());
    const QImage before = canvas();
    w.Picture1_Mousedown(1, 0, 5, 35);
    EXPECT_EQ(w.undoIndex, 1);
    EXPECT_TRUE(w.drawingChanged);
    EXPECT_SAME_IMAGE(w.Image1[0]->picture(), before);
}

// Whatever the drawing's mode, the texture spreads over the pressed colour only.
// A simple drawing hides the preview; its picture is used all the same.
TEST_F(CanvasTextureFill, SpreadsOverThePressedColourOnlyAlsoWithTheHiddenPreviewOfASimpleDrawing)
{
    QImage picture = arch();
    fillRect(picture, QRect(2, 2, 3, 3), qRgb(0, 200, 0));
    Form1 &w = loadWithTexture(picture);
    w.simpleMode = true;
    w.Picture7->hide();
    w.Picture1_Mousedown(1, 0, 55, 5);
    const QImage after = canvas();
    EXPECT_EQ(after.pixel(3, 3), qRgb(0, 200, 0));
    EXPECT_EQ(after.pixel(1, 1), tilePixel(1, 1));
    EXPECT_EQ(after.pixel(59, 39), tilePixel(59, 39));
    EXPECT_EQ(after.pixel(20, 20), black);
}

TEST_F(CanvasTextureFill, EveryPressIsATextureFillWhateverTheTool)
{
    for (const int tool : {0, 1, 2}) {
        Form1 &w = loadWithTexture(arch());
        w.currentTool = tool;
        w.Picture1_Mousedown(4, 0, 5, 35);
        EXPECT_EQ(canvas().pixel(58, 2), tilePixel(58, 2)) << "tool " << tool;
    }
}

// The wait pointer is only for the fill's duration: afterwards the canvas
// shows its own pointer again.
TEST_F(CanvasTextureFill, GivesTheCanvasItsOwnPointerBack)
{
    Form1 &w = loadWithTexture(arch());
    w.Picture1->setCustomCursor(QCursor(Qt::CrossCursor));
    w.Picture1_Mousedown(1, 0, 5, 35);
    EXPECT_EQ(w.Picture1->cursor().shape(), Qt::CrossCursor);
}

TEST_F(CanvasTextureFill, PencilDrawsNothingOnMoveWhileATextureIsActive)
{
    Form1 &w = loadWithTexture(arch());
    w.currentTool = 1;
    w.Picture1_Mousedown(1, 0, 5, 35);
    const QImage afterPress = canvas();
    w.Picture1_MouseMove(1, 0, 55, 5);
    w.Picture1_MouseUp(1, 0, 55, 5);
    EXPECT_SAME_IMAGE(canvas(), afterPress);
    EXPECT_EQ(w.undoIndex, 1);
}
