#include "support/WindowOnScreen.h"

#include "colour/Indicator.h"

#include <QTest>

class LineThickness : public WindowOnScreen
{
protected:
    Form1 &start()
    {
        writeTwoCategories();
        return loadOnScreen(1024, 768);
    }

    // Pixel position of the indicator's dot centre.
    static QPoint centreOf(const Form1 &w)
    {
        return w.Picture4->toPixels(indicatorDotCentre(*w.Picture4)).toPoint();
    }

    static QImage onScreen(Form1 &w) { return w.Picture4->grab().toImage(); }

    static bool isColour(const QImage &image, QPoint p, QRgb colour)
    {
        return (image.pixel(p) | 0xFF000000) == (colour | 0xFF000000);
    }
};

TEST_F(LineThickness, StartImageIsAGreenDiscWithARedDot)
{
    Form1 &w = start();
    const QImage start = w.Picture4->image();
    const QPoint c = centreOf(w);
    ASSERT_EQ(c, QPoint(31, 31)); // (467.5, 467.5) twips
    // The 2-pixel red dot takes the four pixels round the nearest corner.
    for (QPoint p : {c, c - QPoint(1, 1), c - QPoint(1, 0), c - QPoint(0, 1)})
        EXPECT_TRUE(isColour(start, p, qRgb(255, 0, 0))) << p.x() << "," << p.y();
    EXPECT_TRUE(isColour(start, c + QPoint(1, 1), qRgb(0, 255, 0)));
    // Radius 387.5 twips, about 25.8 pixels.
    EXPECT_TRUE(isColour(start, c + QPoint(24, 0), qRgb(0, 255, 0)));
    EXPECT_TRUE(isColour(start, c + QPoint(0, -24), qRgb(0, 255, 0)));
    EXPECT_TRUE(isColour(start, c + QPoint(28, 0), qRgb(255, 255, 255)));
    EXPECT_TRUE(isColour(start, QPoint(1, 1), qRgb(255, 255, 255)));
    EXPECT_FALSE(w.Picture4->autoRedraw());
    EXPECT_TRUE(w.Picture4->isHidden());
}

TEST_F(LineThickness, ClicksCountUpToFortyThenOddFromOne)
{
    Form1 &w = start();
    ASSERT_EQ(w.penWidth, 2);
    ASSERT_EQ(w.Picture1->drawWidth(), 4);
    std::vector<int> seen;
    for (int click = 0; click < 41; ++click) {
        w.Picture4_Click();
        seen.push_back(w.penWidth);
        EXPECT_EQ(w.Picture1->drawWidth(), w.penWidth);
        EXPECT_EQ(w.Picture4->drawWidth(), w.penWidth);
    }
    std::vector<int> expected;
    for (int width = 4; width <= 40; width += 2)
        expected.push_back(width);
    for (int width = 1; width <= 39; width += 2)
        expected.push_back(width);
    expected.push_back(1);
    expected.push_back(3);
    EXPECT_EQ(seen, expected);
    EXPECT_TRUE(sounds->isEmpty());
}

TEST_F(LineThickness, DotsGrowAndTheWrapBringsBackTheStartImage)
{
    Form1 &w = start();
    w.Picture4->show();
    w.red = 0;
    w.blue = 255;
    const QPoint c = centreOf(w);

    QTest::mouseClick(w.Picture4, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(w.penWidth, 4);
    QImage shown = onScreen(w);
    // A 4-pixel dot round the corner at the centre: two pixels either side.
    EXPECT_TRUE(isColour(shown, c + QPoint(1, 0), qRgb(0, 0, 255)));
    EXPECT_TRUE(isColour(shown, c - QPoint(2, 0), qRgb(0, 0, 255)));
    EXPECT_TRUE(isColour(shown, c + QPoint(2, 0), qRgb(0, 255, 0)));

    for (int click = 2; click <= 19; ++click)
        w.Picture4_Click();
    ASSERT_EQ(w.penWidth, 40);
    shown = onScreen(w);
    EXPECT_TRUE(isColour(shown, c + QPoint(18, 0), qRgb(0, 0, 255)));

    w.blue = 0;
    w.green = 200;
    w.Picture4_Click(); // the twentieth
    ASSERT_EQ(w.penWidth, 1);
    shown = onScreen(w);
    EXPECT_TRUE(isColour(shown, c + QPoint(18, 0), qRgb(0, 255, 0)));
    EXPECT_TRUE(isColour(shown, c - QPoint(1, 1), qRgb(255, 0, 0)));
    // The 1-pixel dot covers the pixel that holds the dot centre.
    EXPECT_TRUE(isColour(shown, c, qRgb(0, 200, 0)));
}
