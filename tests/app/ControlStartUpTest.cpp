#include "support/WindowOnScreen.h"

#include "canvas/CursorTemplate.h"
#include "platform/TwipGeometry.h"

using ControlStartUp = WindowOnScreen;

TEST_F(ControlStartUp, StateRightAfterStartUp)
{
    writeTwoCategories();
    Form1 &w = loadOnScreen(1024, 768);
    EXPECT_EQ(w.red, 255);
    EXPECT_EQ(w.green, 0);
    EXPECT_EQ(w.blue, 0);
    EXPECT_EQ(w.currentTool, 0);
    EXPECT_TRUE(w.fillWithColour);
    EXPECT_EQ(w.penWidth, 2);
    EXPECT_EQ(w.drawingNumber, 1);
    EXPECT_EQ(w.categoryIndex, 0);
    EXPECT_EQ(w.textureIndex, 0);
    EXPECT_FALSE(w.drawingChanged);
    EXPECT_FALSE(w.textureActive);
    EXPECT_EQ(w.undoIndex, 0);
    // The chosen thickness is 2 while the canvas still draws 4 pixels wide.
    EXPECT_EQ(w.Picture1->drawWidth(), 4);
    EXPECT_EQ(w.Picture4->drawWidth(), 2);
    EXPECT_TRUE(w.Picture4->isHidden());
    EXPECT_EQ(w.Picture7->drawingUnit(), PictureArea::Unit::Twips);
}

TEST_F(ControlStartUp, FirstTextureInNameOrderIsShown)
{
    writeTwoCategories();
    app.writePicture("texturas/Zigzag.png", plainPicture(8, 8, qRgb(0, 0, 200)));
    app.writePicture("texturas/arena.png", plainPicture(8, 8, qRgb(200, 180, 0)));
    Form1 &w = loadOnScreen(1024, 768);
    EXPECT_EQ(w.File2.listCount(), 2);
    EXPECT_EQ(w.Picture7->picture().pixel(2, 2) | 0xFF000000, qRgb(200, 180, 0));
}

TEST_F(ControlStartUp, AFirstTextureThatIsNoPictureLeavesThePreviewEmpty)
{
    writeTwoCategories();
    app.writeText("texturas/0leeme.txt", "textures of the program");
    app.writePicture("texturas/arena.png", plainPicture(8, 8, qRgb(200, 180, 0)));
    Form1 &w = loadOnScreen(1024, 768);
    EXPECT_TRUE(w.Picture7->picture().isNull());
    EXPECT_EQ(w.textureIndex, 0);
}

TEST_F(ControlStartUp, CursorIsMadeFromTheTopLeftOfTheArrowTemplate)
{
    writeTwoCategories();
    Form1 &w = loadOnScreen(1024, 768);
    // 495 twips in the design, 25 more at start: 520 twips, 35 pixels.
    EXPECT_EQ(widthTwips(w.Picture3), 520);
    EXPECT_EQ(heightTwips(w.Picture3), 520);
    EXPECT_EQ(w.Picture3->drawingUnit(), PictureArea::Unit::Pixels);
    const QImage area = w.Picture3->image();
    EXPECT_EQ(area, makeCursorTemplate().copy(QRect(QPoint(0, 0), area.size())));
    EXPECT_LT(area.width(), makeCursorTemplate().width());

    EXPECT_EQ(w.Image4->picture().size(), QSize(32, 32));
    EXPECT_EQ(w.Picture1->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(w.Picture1->cursor().pixmap().size(), QSize(32, 32));
    // The red arrow's interior shows in the cursor; white is see-through.
    const QImage cursor = w.Image4->picture().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(cursor.pixel(31, 0)), 0);
}

TEST_F(ControlStartUp, ToolPicturesAndTheFillAnimation)
{
    writeTwoCategories();
    for (const char *name : {"pato", "lapiz", "recta"})
        app.writePicture(QString("gifs/%1.gif").arg(name), plainPicture(40, 44, qRgb(0, 90, 0)));
    Form1 &w = loadOnScreen(1024, 768);
    for (const ImageHolder *icon : w.Image2)
        EXPECT_TRUE(icon->hasPicture());
    EXPECT_EQ(w.Gif89a1->file(), app.path() + "/gifs/pato.gif");
    EXPECT_EQ(leftTwips(w.Gif89a1), leftTwips(w.Image2[0]));
}

TEST_F(ControlStartUp, MissingFoldersSkipOnlyTheirSteps)
{
    Form1 &w = loadOnScreen(1024, 768);
    EXPECT_EQ(w.File2.listCount(), 0);
    EXPECT_TRUE(w.Picture7->picture().isNull());
    EXPECT_EQ(w.penWidth, 2);
    EXPECT_EQ(w.Image4->picture().size(), QSize(32, 32));
    EXPECT_EQ(w.Gif89a1->file(), app.path() + "/gifs/pato.gif");
    EXPECT_EQ(leftTwips(w.Picture7), 13905);
}
