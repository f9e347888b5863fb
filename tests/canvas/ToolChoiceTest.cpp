#include "canvas/CanvasWindow.h"

#include "canvas/CursorTemplate.h"
#include "platform/TwipGeometry.h"

#include <QTest>

namespace
{
constexpr QRgb black = qRgb(0, 0, 0);

struct Tool {
    int index;
    const char *animation;
    bool indicatorShown;
};

// Opaque pixels of exactly the colour (transparent ones are not black).
int countOpaque(const QImage &picture, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            n += picture.pixel(x, y) == (colour | 0xFF000000u);
    return n;
}

const Tool tools[] = {
    {0, "gifs/pato.gif", false}, {1, "gifs/lapiz.gif", true}, {2, "gifs/recta.gif", true}};
} // namespace

class ToolChoice : public CanvasWindow
{
protected:
    // The icons in a column at places of their own; a texture is active.
    Form1 &loadWithIcons()
    {
        Form1 &w = loadWithCanvas(lineDrawing(40, 30));
        for (int i = 0; i < 3; ++i)
            setGeometryTwips(w.Image2[i], 14000 + 15 * i, 600 + 1500 * i, 1350, 1365);
        w.fillWithColour = false;
        w.textureActive = true;
        w.Gif89a1->hide();
        return w;
    }

    void expectChosen(const Form1 &w, const Tool &tool)
    {
        SCOPED_TRACE(tool.animation);
        EXPECT_TRUE(w.fillWithColour);
        EXPECT_FALSE(w.textureActive);
        EXPECT_EQ(w.currentTool, tool.index);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(w.Image2[i]->isHidden(), i == tool.index) << "icon " << i;
        EXPECT_EQ(w.Picture4->isHidden(), !tool.indicatorShown);
        EXPECT_FALSE(w.Gif89a1->isHidden());
        EXPECT_EQ(leftTwips(w.Gif89a1), leftTwips(w.Image2[tool.index]));
        EXPECT_EQ(topTwips(w.Gif89a1), topTwips(w.Image2[tool.index]));
        EXPECT_EQ(w.Gif89a1->file(), app.file(tool.animation));
    }
};

TEST_F(ToolChoice, EachIconChoosesItsToolAndMovesTheAnimationOverIt)
{
    Form1 &w = loadWithIcons();
    for (const Tool &tool : tools) {
        w.Image2_Click(tool.index);
        expectChosen(w, tool);
    }
}

TEST_F(ToolChoice, ChoosingTheSameToolAgainGivesTheSameState)
{
    Form1 &w = loadWithIcons();
    w.Image2_Click(1);
    w.Image2_Click(1);
    expectChosen(w, tools[1]);
    w.Image2_Click(0);
    w.Image2_Click(0);
    expectChosen(w, tools[0]);
}

TEST_F(ToolChoice, AClickOnAnIconChoosesItsTool)
{
    Form1 &w = loadWithIcons();
    QTest::mouseClick(w.Image2[2], Qt::LeftButton, {}, QPoint(3, 3));
    expectChosen(w, tools[2]);
    QTest::mouseClick(w.Image2[1], Qt::LeftButton, {}, QPoint(3, 3));
    expectChosen(w, tools[1]);
}

TEST_F(ToolChoice, LeavesTheCanvasItsPointerAndTheStoredPointAlone)
{
    Form1 &w = loadWithIcons();
    w.Picture1->setCustomCursor(QCursor(Qt::CrossCursor));
    w.lastX = 12.5f;
    w.lastY = 7;
    const QImage before = canvas();
    w.Image2_Click(2);
    EXPECT_SAME_IMAGE(canvas(), before);
    EXPECT_EQ(w.Picture1->cursor().shape(), Qt::CrossCursor);
    EXPECT_FLOAT_EQ(w.lastX, 12.5f);
    EXPECT_EQ(w.lastY, 7);
    EXPECT_EQ(w.undoIndex, 0);
    EXPECT_TRUE(sounds->isEmpty());
}

class ColourCursor : public CanvasWindow
{
protected:
    // The template area as start-up sizes it: the design's 33 pixels and 25
    // twips, showing the top-left part of the arrow.
    Form1 &loadWithTemplate()
    {
        Form1 &w = loadWithCanvas(lineDrawing(40, 30));
        setGeometryTwips(w.Picture3, 0, 0, 520, 520);
        w.Picture3->setPicture(makeCursorTemplate());
        return w;
    }

    QImage pick(Form1 &w, QRgb colour)
    {
        w.red = qRed(colour);
        w.green = qGreen(colour);
        w.blue = static_cast<qint16>(qBlue(colour));
        w.UpdateColourCursor();
        return w.Image4->picture().convertToFormat(QImage::Format_ARGB32);
    }
};

TEST_F(ColourCursor, IsA32PixelArrowWithWhiteTransparentAndItsHotSpotAtTheTip)
{
    Form1 &w = loadWithTemplate();
    w.textureActive = true;
    const QImage picture = pick(w, qRgb(0, 0, 255));
    EXPECT_FALSE(w.textureActive);
    ASSERT_EQ(picture.size(), QSize(32, 32));
    EXPECT_EQ(picture.pixel(0, 0), 0xFF000000u) << "the tip";
    EXPECT_EQ(qAlpha(picture.pixel(31, 31)), 0);
    EXPECT_GE(countOpaque(picture, qRgb(0, 0, 255)), 100);
    int transparent = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            transparent += qAlpha(picture.pixel(x, y)) == 0;
    EXPECT_GE(transparent, 300);

    const QCursor cursor = w.Picture1->cursor();
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.hotSpot(), QPoint(0, 0));
    EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
    EXPECT_EQ(cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32), picture);
}

// Black once made the cursor black for good; each pick now shows its colour.
TEST_F(ColourCursor, FollowsEveryColourAlsoAfterBlack)
{
    Form1 &w = loadWithTemplate();
    const QImage afterBlack = pick(w, black);
    EXPECT_EQ(countOpaque(afterBlack, qRgb(255, 0, 0)), 0);
    const int blackPixels = countOpaque(afterBlack, black);

    const QImage afterRed = pick(w, qRgb(255, 0, 0));
    const int redPixels = countOpaque(afterRed, qRgb(255, 0, 0));
    EXPECT_GE(redPixels, 100);
    EXPECT_EQ(countOpaque(afterRed, black) + redPixels, blackPixels);

    const QImage afterGreen = pick(w, qRgb(0, 255, 0));
    EXPECT_EQ(countOpaque(afterGreen, qRgb(0, 255, 0)), redPixels);
    EXPECT_EQ(w.Picture3->image().pixel(5, 5), qRgb(255, 0, 0)) << "the template stays unfilled";
}

TEST_F(ColourCursor, WhiteLeavesOnlyTheOutline)
{
    Form1 &w = loadWithTemplate();
    const QImage picture = pick(w, qRgb(255, 255, 255));
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QRgb p = picture.pixel(x, y);
            ASSERT_TRUE(qAlpha(p) == 0 || p == 0xFF000000u) << x << "," << y;
        }
    EXPECT_EQ(qAlpha(picture.pixel(5, 5)), 0);
}
