#include "support/WindowOnScreen.h"

#include "colour/MosaicLines.h"
#include "platform/Random.h"
#include "platform/Raster.h"

#include <QPushButton>

namespace
{

constexpr QRgb lineColour = 0xFFFBFBFB;
constexpr QRgb paper = 0xFFFFFFFF;

bool onLine(const QImage &canvas, int x, int y)
{
    return canvas.pixel(x, y) == lineColour;
}

// How many line pixels a row (or column) holds inside each fifth of its length.
std::vector<int> perFifth(const QImage &canvas, bool row, int at)
{
    const int length = row ? canvas.width() : canvas.height();
    std::vector<int> counts(5, 0);
    for (int i = 0; i < length; ++i)
        if (row ? onLine(canvas, i, at) : onLine(canvas, at, i))
            ++counts[static_cast<std::size_t>(i / (length / 5))];
    return counts;
}

} // namespace

class MosaicButton : public WindowOnScreen
{
protected:
    Form1 &startWithCanvas(int width, int height, int thickness)
    {
        writeTwoCategories();
        Form1 &w = loadOnScreen(1024, 768);
        w.Picture1->setPicture(plainPicture(width, height, paper));
        w.Picture1->setDrawWidth(thickness);
        return w;
    }
};

TEST_F(MosaicButton, LineEndsLieInTheirFifthsOnA400x300Canvas)
{
    Form1 &w = startWithCanvas(400, 300, 1);
    ProgramRandom::seed(20240611);
    w.Command9->click();
    const QImage canvas = w.Picture1->image();
    const std::vector<int> onePerFifth(5, 1);
    // Top and bottom rows: one end of each line running down; left and right
    // columns: one end of each line running across.
    EXPECT_EQ(perFifth(canvas, true, 0), onePerFifth);
    EXPECT_EQ(perFifth(canvas, true, 299), onePerFifth);
    EXPECT_EQ(perFifth(canvas, false, 0), onePerFifth);
    EXPECT_EQ(perFifth(canvas, false, 399), onePerFifth);
    // Only the line colour and the paper.
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x)
            ASSERT_TRUE(canvas.pixel(x, y) == lineColour || canvas.pixel(x, y) == paper);
}

TEST_F(MosaicButton, OnASevenPixelCanvasEachLineStaysOnItsColumnOrTheNext)
{
    // Bands one pixel wide: line j runs at x = j or j + 1, so column 6 holds
    // only the crossing of each line running across (one per fifth of the height).
    Form1 &w = startWithCanvas(7, 30, 1);
    for (std::uint64_t seed : {1u, 2u, 3u, 4u, 5u}) {
        SCOPED_TRACE(seed);
        w.Picture1->setPicture(plainPicture(7, 30, paper));
        ProgramRandom::seed(seed);
        w.Command9_Click();
        const QImage canvas = w.Picture1->image();
        EXPECT_EQ(perFifth(canvas, false, 6), std::vector<int>(5, 1));
        // Every line running down crosses every row somewhere in columns 0 to 5.
        for (int y = 0; y < 30; ++y) {
            int crossings = 0;
            for (int x = 0; x < 6; ++x)
                crossings += onLine(canvas, x, y) ? 1 : 0;
            EXPECT_GE(crossings, 1) << "row " << y;
        }
    }
}

TEST_F(MosaicButton, LinesAreRetainedInTheCanvasThicknessWithoutChange)
{
    Form1 &w = startWithCanvas(400, 300, 20);
    ProgramRandom::seed(77);
    w.Command9_Click();
    w.Picture1->refresh();

    QImage expected = plainPicture(400, 300, paper);
    ProgramRandom::seed(77);
    for (const QLine &line : mosaicLines(400, 300, &ProgramRandom::next))
        drawThickLine(expected, line.p1(), line.p2(), 20, lineColour);
    EXPECT_EQ(w.Picture1->image(), expected);

    EXPECT_FALSE(w.Picture1->autoRedraw());
    EXPECT_FALSE(w.drawingChanged);
    EXPECT_TRUE(sounds->isEmpty());
}
