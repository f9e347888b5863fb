#include "platform/Raster.h"
#include "support/MainWindowFixture.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>

namespace
{
constexpr QRgb white = qRgb(255, 255, 255), blue = qRgb(0, 0, 255), green = qRgb(0, 160, 0);
const std::initializer_list<std::pair<char, QRgb>> legend{{'b', blue}, {'g', green}};

// Two rooms; the left one holds a green spot, the right one a loose black pixel.
QImage rooms()
{
    return textPicture({"##########", "#...#....#", "#.gg#..#.#", "#...#....#", "##########"},
                       legend);
}

// The picture with the lines of a path drawn on it, from its first point to each next.
QImage withLines(QImage image, const std::vector<QPointF> &path, int width)
{
    for (std::size_t i = 0; i < path.size(); ++i)
        drawThickLine(image, path[i ? i - 1 : 0], path[i], width, green);
    return image;
}
} // namespace

class CanvasWindow : public MainWindowFixture
{
protected:
    // A mouse event as the platform delivers it, the buttons held given as the
    // program codes them (1 left, 2 right, 4 middle: Qt's own values).
    void sendMouse(QEvent::Type type, int buttons, QPointF at) const
    {
        const Qt::MouseButtons held = Qt::MouseButtons::fromInt(buttons);
        const auto changed = type == QEvent::MouseMove
                                 ? Qt::NoButton
                                 : static_cast<Qt::MouseButton>(held.toInt() & -held.toInt());
        QMouseEvent event(type, at, window->Picture1->mapToGlobal(at), changed, held, {});
        QCoreApplication::sendEvent(window->Picture1, &event);
    }
    // One painting step was taken: the drawing counts as changed, retained
    // drawing is off again, and one undo press gives back the canvas before it.
    static void expectOneStep(Form1 &w, const QImage &before)
    {
        EXPECT_TRUE(WindowAccess::drawingChanged(w));
        EXPECT_FALSE(w.Picture1->autoRedraw()) << "retained drawing left on";
        w.Command6_Click();
        EXPECT_TRUE(sameImage(canvas(w), before)) << "undo";
    }
};

// Rounded half to even, the press at (3.5, 1.5) lands on the wall at (4, 2): it
// recolours the connected outline, or in a simple drawing nothing. A press in a
// room fills the pressed colour, or in a simple drawing everything up to black.
// Every mouse button paints.
TEST_F(CanvasWindow, PressFillsThePressedColourOrInASimpleDrawingUpToBlack)
{
    const struct {
        bool simple;
        QPointF at;
        Qt::MouseButton button;
        std::initializer_list<const char *> after;
    } cases[] = {
        // clang-format off
        {false, {3.5, 1.5}, Qt::LeftButton, {"bbbbbbbbbb", "b...b....b", "b.ggb..#.b", "b...b....b", "bbbbbbbbbb"}},
        {true, {3.5, 1.5}, Qt::LeftButton, {"##########", "#...#....#", "#.gg#..#.#", "#...#....#", "##########"}},
        {false, {1, 1}, Qt::RightButton, {"##########", "#bbb#....#", "#bgg#..#.#", "#bbb#....#", "##########"}},
        {true, {1, 1}, Qt::MiddleButton, {"##########", "#bbb#....#", "#bbb#..#.#", "#bbb#....#", "##########"}},
        // clang-format on
    };
    for (const auto &c : cases) {
        Form1 &w = loadWithCanvas(rooms());
        WindowAccess::simpleMode(w) = c.simple;
        if (c.button == Qt::LeftButton)
            w.Picture1_Mousedown(1, 0, float(c.at.x()), float(c.at.y()));
        else
            QTest::mouseClick(w.Picture1, c.button, {}, c.at.toPoint());
        EXPECT_TRUE(sameImage(canvas(w), textPicture(c.after, legend))) << c.simple;
        expectOneStep(w, rooms());
    }
}

// With a texture chosen, every press, whatever the tool, lays what the preview
// shows (the top-left part of a larger texture) from the canvas's corner over the
// pressed colour: an arch round a black block, a green spot left alone. So it does
// while a simple drawing hides the preview. The canvas gets its own pointer back.
TEST_F(CanvasWindow, TextureFillLaysThePreviewOverThePressedColourWhateverTheTool)
{
    QImage texture(150, 100, QImage::Format_RGB32), arch = plainPicture(200, 120, white);
    for (int i = 0; i < 150 * 100; ++i)
        texture.setPixel(i % 150, i / 150, qRgb(i % 150, i / 150, 7));
    app.writePicture("texturas/a.bmp", texture);
    QPainter(&arch).fillRect(10, 10, 180, 110, Qt::black);
    QPainter(&arch).fillRect(2, 2, 3, 3, QColor(green));
    for (const int tool : {0, 1, 2}) {
        Form1 &w = loadWithCanvas(arch);
        w.Picture7->setVisible(tool != 1);
        WindowAccess::simpleMode(w) = tool == 1;
        w.Image2_Click(tool);
        w.Picture7_MouseDown(1, 0, 0, 0); // the first press chooses the texture shown
        w.Picture1->setCustomCursor(QCursor(Qt::CrossCursor));
        w.Picture1_Mousedown(1, 0, 5, 115);
        w.Picture1_MouseMove(1, 0, 150, 5);
        w.Picture1_MouseUp(1, 0, 150, 5);
        const QSize shown = w.Picture7->image().size();
        ASSERT_TRUE(shown.width() < 150 && shown.height() < 100);
        QImage expected = arch;
        for (int i = 0; i < 200 * 120; ++i)
            if (arch.pixel(i % 200, i / 200) == white)
                expected.setPixel(i % 200, i / 200,
                                  texture.pixel(i % 200 % shown.width(), i / 200 % shown.height()));
        EXPECT_TRUE(sameImage(canvas(w), expected)) << "tool " << tool;
        EXPECT_EQ(w.Picture1->cursor().shape(), Qt::CrossCursor);
        expectOneStep(w, arch);
    }
}

// Press and release paint a dot of the canvas's thickness; moves with long jumps
// join it without gaps (the dots and lines themselves are RasterTest's); a new
// thickness counts from the next line.
TEST_F(CanvasWindow, PencilDrawsRoundLinesFromPointToPoint)
{
    const QImage blank = plainPicture(80, 60, white);
    Form1 &w = loadWithCanvas(blank);
    w.Image2_Click(1);
    setColour(w, green);
    w.Picture1_Mousedown(1, 0, 10, 10);
    w.Picture1_MouseUp(1, 0, 10, 10);
    QImage expected = withLines(blank, {{10, 10}}, 4);
    EXPECT_TRUE(sameImage(canvas(w), expected));
    const std::vector<QPointF> path{{5, 5}, {60, 8}, {62, 50}, {12, 40}, {40, 20}};
    w.Picture1_Mousedown(1, 0, 5, 5);
    for (const QPointF p : path)
        w.Picture1_MouseMove(1, 0, float(p.x()), float(p.y()));
    w.Picture1->setDrawWidth(9);
    w.Picture1_Mousedown(1, 0, 70, 50);
    expected = withLines(withLines(expected, path, 4), {{70, 50}}, 9);
    EXPECT_TRUE(sameImage(canvas(w), expected));
    EXPECT_TRUE(sameImage(screen(w), expected));
}

// While dragging, the screen shows one line from the start to the mouse and the
// canvas's image is untouched; the release draws the line to where it happens.
TEST_F(CanvasWindow, StraightLineFollowsTheMouseOnTheScreenAndIsDrawnOnRelease)
{
    const QImage blank = plainPicture(80, 60, white);
    Form1 &w = loadWithCanvas(blank);
    w.Image2_Click(2);
    setColour(w, green);
    sendMouse(QEvent::MouseButtonPress, 1, QPointF(5, 5));
    sendMouse(QEvent::MouseMove, 1, QPointF(70, 5));
    EXPECT_TRUE(sameImage(screen(w), withLines(blank, {{5, 5}, {70, 5}}, 4)));
    sendMouse(QEvent::MouseMove, 1, QPointF(40, 50));
    EXPECT_TRUE(sameImage(screen(w), withLines(blank, {{5, 5}, {40, 50}}, 4)));
    EXPECT_TRUE(sameImage(canvas(w), blank));
    sendMouse(QEvent::MouseButtonRelease, 1, QPointF(10, 50));
    EXPECT_TRUE(sameImage(canvas(w), withLines(blank, {{5, 5}, {10, 50}}, 4)));
    EXPECT_TRUE(sameImage(screen(w), canvas(w)));
    expectOneStep(w, blank);
}

// Moves and releases draw for the left button alone (not with another, not
// without one); a press with the right one still paints its dot and stores its
// point. The fill tool draws on press only.
TEST_F(CanvasWindow, OnlyTheLeftButtonAloneDrawsOnMoveAndRelease)
{
    for (const int tool : {0, 1, 2})
        for (const int buttons : {2, 5, 0}) {
            Form1 &w = loadWithCanvas(plainPicture(80, 60, white));
            w.Image2_Click(tool);
            sendMouse(QEvent::MouseButtonPress, buttons == 2 ? 2 : 1, QPointF(12, 14.5));
            const QImage afterPress = canvas(w);
            sendMouse(QEvent::MouseMove, buttons, QPointF(60, 40));
            w.Picture1_MouseUp(buttons, 0, 60, 40);
            SCOPED_TRACE(QString("tool %1 buttons %2").arg(tool).arg(buttons).toStdString());
            EXPECT_TRUE(sameImage(screen(w), afterPress));
            EXPECT_TRUE(sameImage(canvas(w), afterPress));
            EXPECT_EQ(WindowAccess::lastPoint(w), tool ? QPointF(12, 14) : QPointF());
        }
}
