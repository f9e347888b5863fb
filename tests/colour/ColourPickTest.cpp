#include "support/WindowOnScreen.h"

#include "colour/Indicator.h"
#include "platform/Twips.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

namespace
{

struct Colour {
    int red, green, blue;
};

QRgb rgb(Colour c)
{
    return qRgb(c.red, c.green, c.blue);
}

// A palette made in code: four blocks of 10 x 10 pixels side by side.
const Colour paletteBlocks[] = {{250, 10, 100}, {0, 0, 0}, {0, 0, 255}, {255, 255, 255}};

QImage codedPalette()
{
    QImage palette(40, 10, QImage::Format_RGB32);
    for (int block = 0; block < 4; ++block)
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x)
                palette.setPixel(block * 10 + x, y, rgb(paletteBlocks[block]));
    return palette;
}

QPoint blockCentre(int block)
{
    return {block * 10 + 5, 5};
}

} // namespace

class ColourPick : public WindowOnScreen
{
protected:
    Form1 &start()
    {
        writeTwoCategories();
        Form1 &w = loadOnScreen(1024, 768);
        w.Picture6->setPicture(codedPalette());
        return w;
    }

    // A press on the palette at a pixel; the palette's mouse positions are twips.
    void pressPalette(Form1 &w, int block, int button = 1)
    {
        const QPoint p = blockCentre(block);
        w.Picture6_mousedown(button, 0, static_cast<float>(pixelsToTwips(p.x())),
                             static_cast<float>(pixelsToTwips(p.y())));
    }

    static void expectCurrent(const Form1 &w, Colour c)
    {
        EXPECT_EQ(w.red, c.red);
        EXPECT_EQ(w.green, c.green);
        EXPECT_EQ(w.blue, c.blue);
    }

    static void expectSwatch(const Form1 &w, int index, Colour c)
    {
        SCOPED_TRACE("swatch " + std::to_string(index));
        EXPECT_EQ(w.Picture2[index]->backColor(), rgb(c) | 0xFF000000);
        EXPECT_EQ(w.Picture2[index]->point(QPointF(30, 30)), qint64(rgb(c) & 0xFFFFFF));
    }

    static QRgb indicatorDotPixel(Form1 &w)
    {
        const QPointF centre = w.Picture4->toPixels(indicatorDotCentre(*w.Picture4));
        return w.Picture4->grab().toImage().pixel(centre.toPoint()) | 0xFF000000;
    }
};

TEST_F(ColourPick, StripStartsWithShadesOfRed)
{
    Form1 &w = start();
    expectSwatch(w, 0, {255, 0, 0});
    for (int i = 1; i <= 7; ++i)
        expectSwatch(w, i, {255, 5 * i, 5 * i});
    for (int i = 8; i <= 15; ++i)
        expectSwatch(w, i, {255 - 8 * i, 0, 0});
    expectSwatch(w, 15, {135, 0, 0});
}

TEST_F(ColourPick, PaletteColourBecomesCurrentWithItsShades)
{
    Form1 &w = start();
    w.fillWithColour = false;
    w.textureActive = true;
    pressPalette(w, 0);

    expectCurrent(w, {250, 10, 100});
    EXPECT_EQ(w.pickedColour, 250 + 10 * 256 + 100 * 65536);
    EXPECT_EQ(w.Picture1->fillColor(), qRgb(250, 10, 100));
    expectSwatch(w, 0, {250, 10, 100});
    for (int i = 1; i <= 7; ++i)
        expectSwatch(w, i, {255, 10 + 5 * i, 100 + 5 * i});
    expectSwatch(w, 8, {186, 0, 36});
    expectSwatch(w, 12, {154, 0, 4});
    expectSwatch(w, 13, {146, 0, 0});
    expectSwatch(w, 15, {130, 0, 0});
    EXPECT_TRUE(w.fillWithColour);
    EXPECT_FALSE(w.textureActive) << "the cursor recolouring ends texture stepping";
    EXPECT_EQ(*sounds, QStringList{app.path() + "/sonidos/sonido4.wav"});
}

TEST_F(ColourPick, PaletteBlackBecomesNearlyBlack)
{
    Form1 &w = start();
    pressPalette(w, 1);
    expectCurrent(w, {1, 1, 1});
    EXPECT_EQ(w.Picture1->fillColor(), qRgb(0, 0, 0)) << "the fill colour is set before";
    expectSwatch(w, 0, {1, 1, 1});
    for (int i = 1; i <= 7; ++i)
        expectSwatch(w, i, {1 + 5 * i, 1 + 5 * i, 1 + 5 * i});
    for (int i = 8; i <= 15; ++i)
        expectSwatch(w, i, {0, 0, 0});
}

TEST_F(ColourPick, SwatchBlackIsKeptOnlyOutsideSimpleMode)
{
    for (const bool simple : {true, false}) {
        SCOPED_TRACE(simple ? "simple mode" : "full mode");
        Form1 &w = start();
        w.simpleMode = simple;
        pressPalette(w, 1); // dark swatches 8..15 become black
        sounds->clear();
        // Through the swatch's own mouse event, so that its index arrives.
        QTest::mousePress(w.Picture2[12], Qt::LeftButton, {}, QPoint(3, 3));
        EXPECT_EQ(w.pickedColour, 0);
        EXPECT_EQ(w.Picture1->fillColor(), qRgb(0, 0, 0));
        if (simple)
            expectCurrent(w, {4, 0, 0});
        else
            expectCurrent(w, {0, 0, 0});
        EXPECT_EQ(sounds->size(), 1);
    }
}

TEST_F(ColourPick, SwatchPicksLeaveTheStripAlone)
{
    Form1 &w = start();
    pressPalette(w, 0);
    w.fillWithColour = false;
    w.picture2_MouseDown(5, 2, 0, 30, 30);
    expectCurrent(w, {255, 35, 125});
    EXPECT_TRUE(w.fillWithColour);
    w.picture2_MouseDown(9, 4, 0, 30, 30);
    expectCurrent(w, {178, 0, 28});
    EXPECT_EQ(w.Picture1->fillColor(), qRgb(178, 0, 28));
    expectSwatch(w, 0, {250, 10, 100});
    expectSwatch(w, 5, {255, 35, 125});
    EXPECT_EQ(sounds->size(), 3);
}

TEST_F(ColourPick, EveryMouseButtonPicks)
{
    Form1 &w = start();
    QTest::mousePress(w.Picture6, Qt::RightButton, {}, blockCentre(2));
    expectCurrent(w, {0, 0, 255});
    QTest::mousePress(w.Picture6, Qt::MiddleButton, {}, blockCentre(0));
    expectCurrent(w, {250, 10, 100});
    QTest::mousePress(w.Picture6, Qt::LeftButton, {}, blockCentre(3));
    expectCurrent(w, {255, 255, 255});
}

TEST_F(ColourPick, DotOnTheIndicatorIsNotKept)
{
    Form1 &w = start();
    w.Picture4->show(); // as the pencil shows it
    pressPalette(w, 2);
    EXPECT_EQ(indicatorDotPixel(w), qRgb(0, 0, 255));
    // The persistent image keeps only the start image's red dot.
    const QPoint centre = w.Picture4->toPixels(indicatorDotCentre(*w.Picture4)).toPoint();
    EXPECT_EQ(w.Picture4->image().pixel(centre), qRgb(255, 0, 0));
    w.Picture4->refresh();
    EXPECT_EQ(indicatorDotPixel(w), qRgb(255, 0, 0));

    // A pick while the indicator is hidden leaves nothing to see when it shows.
    w.Picture4->hide();
    pressPalette(w, 0);
    w.Picture4->show();
    EXPECT_EQ(indicatorDotPixel(w), qRgb(255, 0, 0));
}

TEST_F(ColourPick, DoubleClickCopiesTheColouredCanvasToTheClipboard)
{
    Form1 &w = start();
    QGuiApplication::clipboard()->setText("something else");
    w.Picture1->image().setPixel(20, 12, qRgb(0, 0, 255));

    QTest::mouseClick(w.Picture6, Qt::LeftButton, {}, blockCentre(0));
    QTest::mouseDClick(w.Picture6, Qt::LeftButton, {}, blockCentre(0));
    const QImage copied = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(copied.isNull());
    EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32), w.Picture1->image());
    EXPECT_EQ(copied.pixel(20, 12) | 0xFF000000, qRgb(0, 0, 255));
    expectCurrent(w, {250, 10, 100}); // the press that began it picked as well
}
