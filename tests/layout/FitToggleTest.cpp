#include "support/WindowOnScreen.h"

#include "platform/Stretch.h"
#include "platform/TwipGeometry.h"
#include "platform/Twips.h"

#include <QPushButton>

using FitToggle = WindowOnScreen;

namespace
{
constexpr QRgb black = 0xFF000000;

int pixelsOf(int twips)
{
    return twipsToPixels(twips);
}
} // namespace

TEST_F(FitToggle, StretchesThenShowsNaturalSizeFromTheLoadedDrawing)
{
    writeTwoCategories(); // the first drawing is 60 x 40 pixels
    Form1 &w = loadOnScreen(1024, 768);
    ASSERT_TRUE(w.naturalSizeShown);
    const int frameWidth = widthTwips(w.Picture5);
    const int frameHeight = heightTwips(w.Picture5);

    w.Command7->click();
    EXPECT_FALSE(w.naturalSizeShown);
    EXPECT_EQ(widthTwips(w.Picture1), frameWidth - 120);
    EXPECT_EQ(heightTwips(w.Picture1), frameHeight - 120);
    EXPECT_EQ(leftTwips(w.Picture1), 60);
    EXPECT_EQ(topTwips(w.Picture1), 60);
    const QImage stretched = w.Picture1->image();
    ASSERT_EQ(stretched.size(), QSize(pixelsOf(frameWidth - 120), pixelsOf(frameHeight - 120)));
    EXPECT_EQ(stretched, stretchImage(w.Picture8->picture(), stretched.width(), stretched.height(),
                                      StretchMode::And));
    // The drawing's frame lines reach the canvas's edges.
    EXPECT_EQ(stretched.pixel(0, 0), black);
    EXPECT_EQ(stretched.pixel(stretched.width() - 1, stretched.height() - 1), black);
    EXPECT_FALSE(w.Picture1->autoRedraw());

    w.Command7->click();
    EXPECT_TRUE(w.naturalSizeShown);
    EXPECT_EQ(w.Picture1->image(), w.Picture8->picture().convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(widthTwips(w.Picture1), 900);
    EXPECT_EQ(heightTwips(w.Picture1), 600);
    EXPECT_EQ(leftTwips(w.Picture1), (frameWidth - 900) / 2);
    EXPECT_EQ(topTwips(w.Picture1), (frameHeight - 600) / 2);
    EXPECT_FALSE(w.Picture1->autoRedraw());
    EXPECT_FALSE(w.drawingChanged);
}

TEST_F(FitToggle, StartingFittedTheFirstPressShowsNaturalSize)
{
    writeTwoCategories();
    setting("adaptar.txt", "SI");
    Form1 &w = loadOnScreen(1024, 768);
    ASSERT_FALSE(w.naturalSizeShown);
    ASSERT_EQ(widthTwips(w.Picture1), widthTwips(w.Picture5) - 120);

    w.Command7_Click();
    EXPECT_TRUE(w.naturalSizeShown);
    EXPECT_EQ(w.Picture1->image().size(), QSize(60, 40));

    w.Command7_Click();
    EXPECT_FALSE(w.naturalSizeShown);
    EXPECT_EQ(widthTwips(w.Picture1), widthTwips(w.Picture5) - 120);
}

TEST_F(FitToggle, CentringRoundsTheDifferenceThenHalvesDownwards)
{
    ASSERT_EQ(twipsPerPixel(), 15.0) << "the sizes below assume 15 twips per pixel";
    Form1 &w = load();
    setWidthTwips(w.Picture5, 10000);
    setHeightTwips(w.Picture5, 8000);
    w.Picture8->setPicture(lineDrawing(401, 300)); // 6015 x 4500 twips
    w.naturalSizeShown = false;

    w.Command7_Click();
    EXPECT_EQ(widthTwips(w.Picture1), 6015);
    EXPECT_EQ(leftTwips(w.Picture1), 1992);
    EXPECT_EQ(topTwips(w.Picture1), 1750);
}

TEST_F(FitToggle, ADrawingLargerThanTheFrameShowsItsMiddle)
{
    Form1 &w = load();
    setWidthTwips(w.Picture5, 3000);
    setHeightTwips(w.Picture5, 3000);
    w.Picture8->setPicture(lineDrawing(300, 260)); // 4500 x 3900 twips
    w.naturalSizeShown = false;

    w.Command7_Click();
    EXPECT_EQ(leftTwips(w.Picture1), -750);
    EXPECT_EQ(topTwips(w.Picture1), -450);
}
