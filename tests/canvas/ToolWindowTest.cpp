#include "canvas/CursorTemplate.h"
#include "platform/TwipGeometry.h"
#include "support/MainWindowFixture.h"

#include <QTest>

namespace
{
// Opaque pixels of the cursor in the window's cursor holder that are not of one
// of the given colours.
int otherOpaquePixels(const Form1 &w, std::initializer_list<QRgb> colours)
{
    const QImage cursor = w.Image4->picture().convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    for (int i = 0; i < 32 * 32; ++i) {
        const QRgb pixel = cursor.pixel(i % 32, i / 32);
        count += qAlpha(pixel) != 0 &&
                 std::find(colours.begin(), colours.end(), pixel | 0xFF000000u) == colours.end();
    }
    return count;
}
} // namespace

using ToolWindow = MainWindowFixture;

// Start-up gives each icon its own picture. A click on an icon chooses its tool
// and colour filling, hides that icon and shows the thickness indicator for the
// pencil and the line; the canvas and its pointer stay. After a texture press
// every icon shows again, uncovered, and a click on it chooses its tool.
TEST_F(ToolWindow, EachToolIconChoosesItsTool)
{
    const char *animations[] = {"gifs/pato.gif", "gifs/lapiz.gif", "gifs/recta.gif"};
    const QImage pictures[] = {plainPicture(40, 44, qRgb(0, 90, 0)),
                               plainPicture(30, 50, qRgb(90, 0, 0)),
                               plainPicture(45, 35, qRgb(0, 0, 90))};
    for (const int tool : {0, 1, 2})
        app.writePicture(animations[tool], pictures[tool]);
    Form1 &w = loadWithCanvas(lineDrawing(40, 30));
    for (const int tool : {0, 1, 2})
        EXPECT_TRUE(sameImage(w.Image2[tool]->picture(), pictures[tool])) << "icon " << tool;
    w.show();
    w.Picture1->setCustomCursor(QCursor(Qt::CrossCursor));
    for (const int tool : {2, 1, 1, 0, 0}) {
        w.Picture7_MouseDown(1, 0, 5, 5);
        for (ImageHolder *icon : w.Image2)
            EXPECT_EQ(w.childAt(icon->geometry().center()), icon) << "uncovered after a texture";
        QTest::mouseClick(w.Image2[tool], Qt::LeftButton, {}, QPoint(3, 3));
        SCOPED_TRACE(animations[tool]);
        EXPECT_EQ(WindowAccess::paint(w).tool(), Tool(tool));
        EXPECT_TRUE(WindowAccess::paint(w).paintsColour());
        EXPECT_FALSE(WindowAccess::paint(w).stepsTextures());
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(w.Image2[i]->isHidden(), i == tool) << "icon " << i;
        EXPECT_EQ(w.Picture4->isHidden(), tool == 0);
    }
    EXPECT_TRUE(sameImage(canvas(w), lineDrawing(40, 30)));
    EXPECT_EQ(w.Picture1->cursor().shape(), Qt::CrossCursor);
}

// The canvas's pointer is the template's arrow at 32 pixels (a closed red arrow,
// checked here through the pointer made of it), its tip the hot spot and white
// see-through. Start-up makes it from the red arrow by averaging, so
// its edges are half-tones; each colour pick refills a copy of the arrow and
// scales it keeping pure colours, so black is followed by any colour, and white
// leaves the outline alone.
TEST_F(ToolWindow, ColourCursorIsTheArrowInTheCurrentColour)
{
    Form1 &w = loadWithCanvas(lineDrawing(40, 30));
    const QImage arrow = makeCursorTemplate().copy(0, 0, 35, 35);
    ASSERT_TRUE(sameImage(w.Picture3->image(), arrow));
    EXPECT_EQ(widthTwips(w.Picture3), 520);
    EXPECT_GE(otherOpaquePixels(w, {qRgb(0, 0, 0)}), 100) << "the red arrow";
    EXPECT_GE(otherOpaquePixels(w, {qRgb(0, 0, 0), qRgb(255, 0, 0)}), 5) << "half-tones";
    w.Picture7_MouseDown(1, 0, 5, 5);
    for (const QRgb colour : {qRgb(0, 0, 0), qRgb(0, 128, 255), qRgb(255, 255, 255)}) {
        setColour(w, colour);
        w.UpdateColourCursor();
        EXPECT_FALSE(WindowAccess::paint(w).stepsTextures());
        EXPECT_EQ(otherOpaquePixels(w, {qRgb(0, 0, 0), colour}), 0) << "half-tones";
        EXPECT_GE(otherOpaquePixels(w, {qRgb(0, 0, 0)}), colour == qRgb(0, 128, 255) ? 100 : 0);
        const QImage cursor = w.Image4->picture().convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(cursor.pixel(0, 0), 0xFF000000u) << "the tip";
        EXPECT_EQ(qAlpha(cursor.pixel(5, 5)), colour == qRgb(255, 255, 255) ? 0 : 255);
        EXPECT_EQ(w.Picture1->cursor().hotSpot(), QPoint(0, 0));
        EXPECT_TRUE(sameImage(w.Picture1->cursor().pixmap().toImage(), cursor));
    }
}
