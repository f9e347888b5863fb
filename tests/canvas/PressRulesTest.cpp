#include "canvas/CanvasWindow.h"

#include <QTest>

// A double click as the platform delivers it: a press and a release, then the
// second press as a double click, then its release.
static void doubleClick(QWidget *area, QPoint at)
{
    QTest::mouseClick(area, Qt::LeftButton, {}, at);
    QTest::mouseDClick(area, Qt::LeftButton, {}, at);
    QTest::mouseRelease(area, Qt::LeftButton, {}, at);
}

using DoubleClick = CanvasWindow;

TEST_F(DoubleClick, OnTheCanvasIsOnePaintingStepThatOneUndoTakesBack)
{
    Form1 &w = loadWithCanvas(lineDrawing(60, 40));
    const QImage before = canvas();
    doubleClick(w.Picture1, QPoint(10, 10));
    ASSERT_EQ(canvas().pixel(10, 10), qRgb(255, 0, 0));
    w.Command6_Click();
    EXPECT_EQ(imageDifference(canvas(), before), QString());
}

TEST_F(DoubleClick, OnTheTexturePreviewAfterAColourPickOnlySwitchesToTextures)
{
    app.writePicture("texturas/a.bmp", whiteImage(20, 20));
    app.writePicture("texturas/b.bmp", whiteImage(20, 20));
    Form1 &w = loadWithCanvas(lineDrawing(60, 40));
    w.Picture6_mousedown(1, 0, 1, 1);
    doubleClick(w.Picture7, QPoint(5, 5));
    EXPECT_FALSE(w.fillWithColour);
    EXPECT_EQ(w.textureIndex, 0);
}

using ToolIcons = CanvasWindow;

// After a texture press no tool icon is left hidden behind an animation that
// is gone: each one shows, uncovered, and a click on it chooses its tool.
TEST_F(ToolIcons, AllShowAndCanBePressedAfterATexturePress)
{
    Form1 &w = loadWithCanvas(lineDrawing(60, 40));
    w.show();
    for (const int chosen : {0, 1, 2, 0}) {
        QTest::mouseClick(w.Image2[chosen], Qt::LeftButton, {}, QPoint(3, 3));
        ASSERT_EQ(w.currentTool, chosen);
        w.Picture7_MouseDown(1, 0, 5, 5);
        for (ImageHolder *icon : w.Image2) {
            SCOPED_TRACE(testing::Message() << "chosen " << chosen << ", icon " << icon->x());
            EXPECT_TRUE(icon->isVisible());
            EXPECT_EQ(w.childAt(icon->geometry().center()), icon);
        }
    }
}
