#include "canvas/CanvasWindow.h"

#include <QTest>

// The second press of a double click is no second press: after a colour pick,
// a double click on the texture preview switches to textures without stepping.
// (On the canvas one double click is one painting step: tests/e2e/double_click.sh.)
using PressRules = CanvasWindow;

TEST_F(PressRules, DoubleClickOnTheTexturePreviewOnlySwitchesToTextures)
{
    app.writePicture("texturas/a.bmp", plainPicture(20, 20, qRgb(255, 255, 255)));
    app.writePicture("texturas/b.bmp", plainPicture(20, 20, qRgb(255, 255, 255)));
    Form1 &w = loadWithCanvas(lineDrawing(60, 40));
    w.Picture6_mousedown(1, 0, 1, 1);
    QTest::mouseClick(w.Picture7, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseDClick(w.Picture7, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(w.Picture7, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(w.fillWithColour);
    EXPECT_EQ(w.textureIndex, 0);
}

// After a texture press no tool icon is left hidden behind an animation that
// is gone: each one shows, uncovered, and a click on it chooses its tool.
TEST_F(PressRules, EveryToolIconShowsAndCanBePressedAfterATexturePress)
{
    Form1 &w = loadWithCanvas(lineDrawing(60, 40));
    w.show();
    for (const int chosen : {0, 1, 2, 0}) {
        QTest::mouseClick(w.Image2[chosen], Qt::LeftButton, {}, QPoint(3, 3));
        ASSERT_EQ(w.currentTool, chosen);
        w.Picture7_MouseDown(1, 0, 5, 5);
        for (ImageHolder *icon : w.Image2) {
            SCOPED_TRACE(testing::Message() << "chosen " << chosen << ", icon at " << icon->y());
            EXPECT_TRUE(icon->isVisible());
            EXPECT_EQ(w.childAt(icon->geometry().center()), icon);
        }
    }
}
