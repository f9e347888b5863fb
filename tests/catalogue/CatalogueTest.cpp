#include "platform/TwipGeometry.h"
#include "support/MainWindowFixture.h"

#include <QPushButton>

using Catalogue = MainWindowFixture;

TEST_F(Catalogue, SimpleModeFollowsPequeInTheCategoryName)
{
    struct Case {
        const char *logo;
        bool simple;
    };
    for (const Case c : {Case{"pequenos.jpg", true}, Case{"Peque.gif", false},
                         Case{"los_peques.bmp", true}, Case{"animales.gif", false}}) {
        TempAppFolder folder;
        folder.writePicture(QString("logos/") + c.logo, QImage(10, 10, QImage::Format_RGB32));
        QImage small(92, 200, QImage::Format_RGB32), large(92, 300, QImage::Format_RGB32);
        small.fill(qRgb(1, 2, 3));
        large.fill(qRgb(4, 5, 6));
        folder.writePicture("paletas/paletapeque.bmp", small);
        folder.writePicture("paletas/paletagrande.bmp", large);
        Form1 w(folder.path());
        w.screenSizeTwips = [] { return QSize(15360, 11520); }; // pictures at their own size
        w.setSoundPlayer(std::make_unique<RecordingSoundPlayer>(sounds));
        w.Form_Load();
        EXPECT_EQ(w.simpleMode, c.simple) << c.logo;
        EXPECT_EQ(w.Picture7->isHidden(), c.simple) << c.logo;
        EXPECT_EQ(w.Command9->isHidden(), c.simple) << c.logo;
        EXPECT_EQ(w.Picture6->picture().height(), c.simple ? 200 : 300) << c.logo;
        EXPECT_TRUE(
            w.Command5->styleSheet().contains(c.simple ? "rgb(0, 255, 0)" : "rgb(255, 255, 0)"));
    }
}

TEST_F(Catalogue, MissingPaletteLeavesThePaletteAsItWas)
{
    writeTwoCategories();
    QImage large(92, 300, QImage::Format_RGB32);
    large.fill(qRgb(4, 5, 6));
    app.writePicture("paletas/paletagrande.bmp", large);
    Form1 &w = load();
    ASSERT_EQ(w.Picture6->picture().height(), 300);
    w.categoryIndex = 1; // pequenos, whose small palette is missing
    w.ApplyDrawingMode();
    EXPECT_TRUE(w.simpleMode);
    EXPECT_EQ(w.Picture6->picture().height(), 300);
}

TEST_F(Catalogue, StretchedDrawingFillsTheFrameLessItsMargin)
{
    writeTwoCategories();
    setting("adaptar.txt", "SI\r\n");
    Form1 &w = load();
    setGeometryTwips(w.Picture5, 1405, 25, 6000, 4500);
    w.ShowDrawing();
    EXPECT_EQ(widthTwips(w.Picture1), 5880);
    EXPECT_EQ(heightTwips(w.Picture1), 4380);
    EXPECT_EQ(leftTwips(w.Picture1), 60);
    EXPECT_EQ(topTwips(w.Picture1), 60);
    EXPECT_EQ(w.Picture1->image().size(), QSize(392, 292));
    // The frame lines of the 60 x 40 drawing survive the stretch at the edges.
    EXPECT_EQ(w.Picture1->image().pixel(0, 100) & 0xFFFFFF, 0u);
    EXPECT_EQ(w.Picture1->image().pixel(391, 100) & 0xFFFFFF, 0u);
    EXPECT_FALSE(w.Picture1->isHidden());
}

TEST_F(Catalogue, NaturalSizeDrawingIsCentredAndMayOverhangTheFrame)
{
    app.writePicture("logos/casas.gif", QImage(10, 10, QImage::Format_RGB32));
    app.writePicture("dibujos/casas/1.gif", lineDrawing(401, 300));
    Form1 &w = load();
    setGeometryTwips(w.Picture5, 0, 0, 9000, 6000); // 600 x 400 pixels
    w.ShowDrawing();
    EXPECT_EQ(w.Picture1->size(), QSize(401, 300));
    EXPECT_EQ(leftTwips(w.Picture1), 1492); // (9000 - 6015) = 2985, halved and truncated
    EXPECT_EQ(topTwips(w.Picture1), 750);

    setGeometryTwips(w.Picture5, 0, 0, 3000, 1500); // smaller than the drawing
    w.ShowDrawing();
    EXPECT_EQ(leftTwips(w.Picture1), -1507); // -3015 halved toward zero
    EXPECT_EQ(topTwips(w.Picture1), -1500);
    EXPECT_EQ(w.Picture1->image().size(), QSize(401, 300));
}

TEST_F(Catalogue, UnreadableDrawingKeepsThePreviousOne)
{
    writeTwoCategories();
    app.writeText("dibujos/animales/2.gif", "not a picture");
    Form1 &w = load();
    const QImage first = w.Picture8->picture();
    w.drawingNumber = 2;
    w.LoadCurrentDrawing();
    EXPECT_EQ(w.Picture8->picture(), first);
}

TEST_F(Catalogue, DrawingIsLoadedByContentWhateverItsName)
{
    writeTwoCategories();
    // writePicture stores PNG bytes under the .gif name.
    Form1 &w = load();
    EXPECT_EQ(w.Picture8->picture().size(), QSize(60, 40));
}
