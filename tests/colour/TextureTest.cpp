#include "support/WindowOnScreen.h"

#include <QTest>

namespace
{
const QRgb textureA = qRgb(200, 0, 0);
const QRgb textureB = qRgb(0, 200, 0);
const QRgb textureC = qRgb(0, 0, 200);
} // namespace

class Textures : public WindowOnScreen
{
protected:
    // Three textures; name order ignores letter case, so "B" comes second.
    Form1 &startWithThree()
    {
        app.writePicture("texturas/a.png", plainPicture(12, 12, textureA));
        app.writePicture("texturas/B.png", plainPicture(12, 12, textureB));
        app.writePicture("texturas/c.png", plainPicture(12, 12, textureC));
        writeTwoCategories();
        return loadOnScreen(1024, 768);
    }

    static QRgb shown(const Form1 &w) { return w.Picture7->image().pixel(3, 3); }

    // Presses with one button and returns the texture shown after each press.
    static std::vector<QRgb> press(Form1 &w, int button, int times)
    {
        std::vector<QRgb> seen;
        for (int i = 0; i < times; ++i) {
            w.Picture7_MouseDown(button, 0, 10, 10);
            seen.push_back(shown(w));
        }
        return seen;
    }
};

TEST_F(Textures, FirstPressArmsTextureFillingWithoutStepping)
{
    Form1 &w = startWithThree();
    ASSERT_EQ(shown(w), textureA);
    w.Image2[2]->hide(); // as when the line tool is chosen
    w.Picture7_MouseDown(2, 0, 10, 10);
    EXPECT_EQ(shown(w), textureA);
    EXPECT_EQ(w.textureIndex, 0);
    EXPECT_TRUE(w.textureActive);
    EXPECT_FALSE(w.fillWithColour);
    EXPECT_FALSE(w.Image2[2]->isHidden());
    EXPECT_TRUE(w.Gif89a1->isHidden());
}

TEST_F(Textures, LeftButtonStepsForwardAndWraps)
{
    Form1 &w = startWithThree();
    press(w, 1, 1);
    EXPECT_EQ(press(w, 1, 4), (std::vector<QRgb>{textureB, textureC, textureA, textureB}));
    EXPECT_EQ(w.textureIndex, 1);
}

TEST_F(Textures, RightButtonStepsBackAndWraps)
{
    Form1 &w = startWithThree();
    // Through the preview's own mouse events.
    QTest::mousePress(w.Picture7, Qt::RightButton, {}, QPoint(4, 4));
    ASSERT_TRUE(w.textureActive);
    std::vector<QRgb> seen;
    for (int i = 0; i < 4; ++i) {
        QTest::mousePress(w.Picture7, Qt::RightButton, {}, QPoint(4, 4));
        seen.push_back(shown(w));
    }
    EXPECT_EQ(seen, (std::vector<QRgb>{textureC, textureB, textureA, textureC}));
    EXPECT_EQ(w.textureIndex, 2);
}

TEST_F(Textures, MiddleButtonArmsButNeverSteps)
{
    Form1 &w = startWithThree();
    EXPECT_EQ(press(w, 4, 3), (std::vector<QRgb>{textureA, textureA, textureA}));
    EXPECT_TRUE(w.textureActive);
    EXPECT_FALSE(w.fillWithColour);
    EXPECT_EQ(press(w, 1, 1), std::vector<QRgb>{textureB});
}

TEST_F(Textures, AColourPickInBetweenOnlyRearms)
{
    Form1 &w = startWithThree();
    press(w, 1, 2); // arm, then B
    w.Picture6->setPicture(plainPicture(10, 10, qRgb(9, 9, 9)));
    w.Picture6_mousedown(1, 0, 30, 30);
    EXPECT_TRUE(w.fillWithColour);
    EXPECT_FALSE(w.textureActive);
    EXPECT_EQ(press(w, 1, 2), (std::vector<QRgb>{textureB, textureC}));
}

TEST_F(Textures, AFileThatIsNoPictureLeavesThePreviewWhileTheIndexMoves)
{
    app.writePicture("texturas/a.png", plainPicture(12, 12, textureA));
    app.writeText("texturas/b.txt", "not a picture");
    app.writePicture("texturas/c.png", plainPicture(12, 12, textureC));
    writeTwoCategories();
    Form1 &w = loadOnScreen(1024, 768);
    press(w, 1, 1);
    EXPECT_EQ(press(w, 1, 1), std::vector<QRgb>{textureA});
    EXPECT_EQ(w.textureIndex, 1);
    EXPECT_EQ(press(w, 1, 1), std::vector<QRgb>{textureC});
}
