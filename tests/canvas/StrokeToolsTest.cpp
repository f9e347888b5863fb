#include "canvas/CanvasWindow.h"

#include "platform/Raster.h"

#include <QTest>
#include <cmath>
#include <vector>

namespace
{
constexpr QRgb white = qRgb(255, 255, 255);
constexpr QRgb green = qRgb(0, 160, 0);

// The painted pixels' bounding box and whether they form one 4-connected piece.
struct Painted {
    QRect bounds;
    int count = 0;
    bool onePiece = false;
};

Painted paintedPixels(const QImage &image, QRgb colour)
{
    Painted result;
    std::vector<QPoint> stack;
    std::vector<bool> seen(static_cast<std::size_t>(image.width() * image.height()), false);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour) {
                result.bounds |= QRect(x, y, 1, 1);
                if (++result.count == 1)
                    stack.push_back(QPoint(x, y));
            }
    int reached = 0;
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        if (!image.valid(p) || image.pixel(p) != colour || seen[p.y() * image.width() + p.x()])
            continue;
        seen[p.y() * image.width() + p.x()] = true;
        ++reached;
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
            stack.push_back(p + step);
    }
    result.onePiece = result.count > 0 && reached == result.count;
    return result;
}

QImage withLine(QImage image, QPointF from, QPointF to, int width, QRgb colour)
{
    drawThickLine(image, from, to, width, colour);
    return image;
}
} // namespace

class StrokeTools : public CanvasWindow
{
protected:
    Form1 &loadWithTool(int tool)
    {
        Form1 &w = loadWithCanvas(whiteImage(80, 60));
        w.Image2_Click(tool);
        w.red = qRed(green);
        w.green = qGreen(green);
        w.blue = static_cast<qint16>(qBlue(green));
        return w;
    }
};

TEST_F(StrokeTools, PencilPressAndReleaseWithoutMovingPaintsOneRoundDot)
{
    Form1 &w = loadWithTool(1);
    w.Picture1_Mousedown(1, 0, 10, 10);
    w.Picture1_MouseUp(1, 0, 10, 10);
    const Painted dot = paintedPixels(canvas(), green);
    EXPECT_EQ(dot.bounds.size(), QSize(4, 4)); // the start thickness
    EXPECT_EQ(dot.count, 12) << "a round dot leaves its four corners out";
    EXPECT_TRUE(w.Picture1->image().valid(dot.bounds.topLeft()));
    EXPECT_EQ(w.undoIndex, 1);
    EXPECT_SAME_IMAGE(w.Image1[0]->picture(), whiteImage(80, 60));
}

TEST_F(StrokeTools, ThicknessInForceWhenALineIsDrawnCounts)
{
    Form1 &w = loadWithTool(1);
    w.Picture1_Mousedown(1, 0, 10, 10);
    w.Picture1->setDrawWidth(9);
    w.Picture1_Mousedown(1, 0, 50, 40);
    QImage expected = withLine(whiteImage(80, 60), QPointF(10, 10), QPointF(10, 10), 4, green);
    drawThickLine(expected, QPointF(50, 40), QPointF(50, 40), 9, green);
    EXPECT_SAME_IMAGE(canvas(), expected);
    EXPECT_EQ(paintedPixels(canvas(), green).bounds, QRect(8, 8, 47, 37));
}

// Long jumps between moves, as a fast hand makes them: the stroke has no gaps,
// goes into the canvas for good, and is one painting step.
TEST_F(StrokeTools, PencilStrokeFollowsTheMouseWithoutGaps)
{
    Form1 &w = loadWithTool(1);
    const std::vector<QPointF> path{{5, 5}, {60, 8}, {62, 50}, {12, 40}, {40, 20}};
    w.Picture1_Mousedown(1, 0, float(path[0].x()), float(path[0].y()));
    for (std::size_t i = 1; i < path.size(); ++i)
        w.Picture1_MouseMove(1, 0, float(path[i].x()), float(path[i].y()));
    w.Picture1_MouseUp(1, 0, 40, 20);

    const QImage after = canvas();
    for (std::size_t i = 1; i < path.size(); ++i)
        for (int step = 0; step <= 100; ++step) {
            const QPointF p = path[i - 1] + (path[i] - path[i - 1]) * (step / 100.0);
            const QPoint pixel(int(std::floor(p.x())), int(std::floor(p.y())));
            ASSERT_EQ(after.pixel(pixel), green) << "gap at " << pixel.x() << "," << pixel.y();
        }
    EXPECT_TRUE(paintedPixels(after, green).onePiece);
    EXPECT_EQ(w.undoIndex, 1);
    EXPECT_FALSE(w.Picture1->autoRedraw());
    EXPECT_SAME_IMAGE(screen(), after);
}

TEST_F(StrokeTools, LastPointKeepsXAndRoundsYHalvesToEven)
{
    Form1 &w = loadWithTool(1);
    w.Picture1_Mousedown(1, 0, 7.25f, 20.5f);
    EXPECT_FLOAT_EQ(w.lastX, 7.25f);
    EXPECT_EQ(w.lastY, 20);
    w.Picture1_MouseMove(1, 0, 9.75f, 21.5f);
    EXPECT_FLOAT_EQ(w.lastX, 9.75f);
    EXPECT_EQ(w.lastY, 22);
    w.Picture1_MouseMove(1, 0, 3.0f, 22.5f);
    EXPECT_EQ(w.lastY, 22);
}

// While dragging, the screen shows exactly one line from the start to the
// mouse and the canvas's image is untouched; the release draws it for good.
TEST_F(StrokeTools, StraightLinePreviewsOnTheScreenAndDrawsOnRelease)
{
    Form1 &w = loadWithTool(2);
    const QImage blank = whiteImage(80, 60);
    w.Picture1_Mousedown(1, 0, 5, 5);
    EXPECT_SAME_IMAGE(canvas(), blank);
    EXPECT_EQ(w.undoIndex, 1);

    w.Picture1_MouseMove(1, 0, 70, 5);
    EXPECT_SAME_IMAGE(screen(), withLine(blank, QPointF(5, 5), QPointF(70, 5), 4, green));
    w.Picture1_MouseMove(1, 0, 40, 50);
    EXPECT_SAME_IMAGE(canvas(), blank);
    const QImage oneLine = withLine(blank, QPointF(5, 5), QPointF(40, 50), 4, green);
    EXPECT_SAME_IMAGE(screen(), oneLine);

    w.Picture1_MouseUp(1, 0, 40, 50);
    EXPECT_SAME_IMAGE(canvas(), oneLine);
    EXPECT_SAME_IMAGE(screen(), oneLine);
    EXPECT_FALSE(w.Picture1->autoRedraw());
    EXPECT_EQ(w.undoIndex, 1);
}

// Released away from the last move: the canvas gets the line to the release
// point, and the screen shows it alone.
TEST_F(StrokeTools, StraightLineReleasedElsewhereLeavesNoPreviewBehind)
{
    Form1 &w = loadWithTool(2);
    w.Picture1_Mousedown(1, 0, 5, 5);
    w.Picture1_MouseMove(1, 0, 70, 5);
    w.Picture1_MouseUp(1, 0, 10, 50);
    const QImage expected = withLine(whiteImage(80, 60), QPointF(5, 5), QPointF(10, 50), 4, green);
    EXPECT_SAME_IMAGE(canvas(), expected);
    EXPECT_SAME_IMAGE(screen(), expected);
}

TEST_F(StrokeTools, StraightLineThroughRealMouseEvents)
{
    loadWithTool(2);
    sendMouse(QEvent::MouseButtonPress, 1, QPointF(5, 5));
    sendMouse(QEvent::MouseMove, 1, QPointF(30, 40));
    EXPECT_SAME_IMAGE(canvas(), whiteImage(80, 60));
    sendMouse(QEvent::MouseButtonRelease, 1, QPointF(30, 40));
    EXPECT_SAME_IMAGE(canvas(),
                      withLine(whiteImage(80, 60), QPointF(5, 5), QPointF(30, 40), 4, green));
}

// Moves and releases act for the left button alone: right, middle, left and
// right together, and no button draw nothing with either tool.
TEST_F(StrokeTools, ButtonsOtherThanTheLeftAloneDoNothingOnMoveAndRelease)
{
    for (const int buttons : {2, 4, 3, 5, 0}) {
        for (const int tool : {1, 2}) {
            Form1 &w = loadWithTool(tool);
            sendMouse(QEvent::MouseButtonPress, 1, QPointF(5, 5));
            const QImage afterPress = canvas();
            sendMouse(QEvent::MouseMove, buttons, QPointF(60, 40));
            EXPECT_SAME_IMAGE(screen(), afterPress) << "buttons " << buttons << " tool " << tool;
            w.Picture1_MouseUp(buttons, 0, 60, 40);
            EXPECT_SAME_IMAGE(canvas(), afterPress) << "buttons " << buttons << " tool " << tool;
            EXPECT_FLOAT_EQ(w.lastX, 5.0f);
        }
    }
}

TEST_F(StrokeTools, StraightLinePressedWithTheRightButtonStoresItsStartButDrawsNothing)
{
    Form1 &w = loadWithTool(2);
    sendMouse(QEvent::MouseButtonPress, 2, QPointF(12, 14.5));
    EXPECT_EQ(w.undoIndex, 1);
    EXPECT_FLOAT_EQ(w.lastX, 12.0f);
    EXPECT_EQ(w.lastY, 14);
    sendMouse(QEvent::MouseMove, 2, QPointF(60, 40));
    sendMouse(QEvent::MouseButtonRelease, 2, QPointF(60, 40));
    EXPECT_SAME_IMAGE(screen(), whiteImage(80, 60));
    EXPECT_SAME_IMAGE(canvas(), whiteImage(80, 60));
}

TEST_F(StrokeTools, FillToolDrawsNothingOnMoveOrRelease)
{
    Form1 &w = loadWithTool(0);
    w.Picture1_MouseMove(1, 0, 60, 40);
    w.Picture1_MouseUp(1, 0, 60, 40);
    EXPECT_EQ(countColour(canvas(), white), 80 * 60);
    EXPECT_EQ(w.undoIndex, 0);
}
