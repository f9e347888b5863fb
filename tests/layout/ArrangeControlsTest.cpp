#include "support/WindowOnScreen.h"

#include "platform/TwipGeometry.h"
#include "platform/Twips.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include <string>
#include <vector>

namespace
{

struct Place {
    std::string control;
    const QWidget *widget;
    int left;
    int top;
};

void expectPlaces(const std::vector<Place> &places)
{
    for (const Place &place : places) {
        SCOPED_TRACE(place.control);
        EXPECT_EQ(leftTwips(place.widget), place.left);
        EXPECT_EQ(topTwips(place.widget), place.top);
    }
}

int rightTwips(const QWidget *w)
{
    return leftTwips(w) + widthTwips(w);
}

int bottomTwips(const QWidget *w)
{
    return topTwips(w) + heightTwips(w);
}

} // namespace

using WindowLayout = WindowOnScreen;

TEST_F(WindowLayout, ToolColumnOnA1024x768Screen)
{
    writeTwoCategories();
    Form1 &w = loadOnScreen(1024, 768);
    expectPlaces({
        {"Image2(0)", w.Image2[0], 13970, 40},
        {"Gif89a1", w.Gif89a1, 13970, 40},
        {"Image2(1)", w.Image2[1], 13970, 1445},
        {"Image2(2)", w.Image2[2], 13970, 3300},
        {"Picture4", w.Picture4, 14070, 4615},
        {"Command7", w.Command7, 14070, 5690},
        {"Command8", w.Command8, 14070, 6805},
        {"Command9", w.Command9, 14070, 7920},
    });
    // The indicator is moved, never resized.
    EXPECT_EQ(widthTwips(w.Picture4), 975);
    EXPECT_EQ(heightTwips(w.Picture4), 975);
}

TEST_F(WindowLayout, CanvasFrameAndBottomRowOnA1024x768Screen)
{
    writeTwoCategories();
    Form1 &w = loadOnScreen(1024, 768);
    expectPlaces({
        {"Picture5", w.Picture5, 1405, 25},
        {"Command5", w.Command5, 1405, 10495},
        {"Command3", w.Command3, 2380, 10495},
        {"Command4", w.Command4, 3355, 10495},
        {"Command10", w.Command10, 8615, 10495},
        {"Command11", w.Command11, 9640, 10495},
        {"Command6", w.Command6, 10970, 10495},
        {"Command1", w.Command1, 11945, 10495},
        {"Command2", w.Command2, 12920, 10495},
        {"Picture7", w.Picture7, 13905, 10425},
    });
    EXPECT_EQ(widthTwips(w.Picture5), 12490);
    EXPECT_EQ(heightTwips(w.Picture5), 10445);
    for (const QPushButton *button : {w.Command1, w.Command2, w.Command4, w.Command5, w.Command6}) {
        EXPECT_EQ(widthTwips(button), 975);
        EXPECT_EQ(heightTwips(button), 1000);
    }
    // The texture preview ends at the screen's right edge; the row 25 twips
    // above its bottom edge.
    EXPECT_EQ(rightTwips(w.Picture7), 15360);
    EXPECT_EQ(bottomTwips(w.Command3), 11520 - 25);
    // The palette keeps its corner.
    EXPECT_EQ(leftTwips(w.Picture6), 0);
    EXPECT_EQ(topTwips(w.Picture6), 0);
}

TEST_F(WindowLayout, ShadeStripInTwoRowsOnA1024x768Screen)
{
    writeTwoCategories();
    Form1 &w = loadOnScreen(1024, 768);
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(leftTwips(w.Picture2[i]), 4355 + 495 * i);
        EXPECT_EQ(topTwips(w.Picture2[i]), 10995);
        EXPECT_EQ(leftTwips(w.Picture2[8 + i]), 4355 + 495 * i);
        EXPECT_EQ(topTwips(w.Picture2[8 + i]), 10495);
        EXPECT_EQ(heightTwips(w.Picture2[i]), 500);
        EXPECT_EQ(widthTwips(w.Picture2[i]), 495);
    }
}

TEST_F(WindowLayout, WithoutAGivenSizeFollowsThePrimaryScreen)
{
    Form1 &w = load();
    w.screenSizeTwips = nullptr;
    w.ArrangeControls();
    const QScreen *screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    const int screenWidthTwips =
        static_cast<int>(roundHalfEven(pixelsToTwips(screen->geometry().width())));
    const int screenHeightTwips =
        static_cast<int>(roundHalfEven(pixelsToTwips(screen->geometry().height())));
    EXPECT_EQ(rightTwips(w.Picture7), screenWidthTwips);
    EXPECT_EQ(bottomTwips(w.Picture7), screenHeightTwips);
}
