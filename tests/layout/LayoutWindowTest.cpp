#include "platform/TwipGeometry.h"
#include "support/MainWindowFixture.h"

#include <QPainter>
#include <QPushButton>

using LayoutWindow = MainWindowFixture;

// Stretched (at start when adaptar.txt says "SI" as here, then at every other
// press of the fit toggle) the drawing fills the frame less 60 twips a side, shrunk by
// the AND rule so that no thin line is lost; at natural size it is centred
// (the difference halved toward zero) and may overhang the frame.
TEST_F(LayoutWindow, DrawingIsStretchedByTheAndRuleOrCentredAtNaturalSize)
{
    QImage drawing(990, 700, QImage::Format_RGB32); // 1-pixel lines 11 pixels apart
    for (int y = 0; y < 700; ++y)
        for (int x = 0; x < 990; ++x)
            drawing.setPixel(x, y,
                             x % 11 == 5 || y % 11 == 5 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    app.writePicture("logos/casas.gif", plainPicture(10, 10, 0));
    app.writePicture("dibujos/casas/1.gif", drawing);
    const auto runsOfBlack = [](const QImage &image, bool across) {
        int runs = 0;
        for (int i = 1; i < (across ? image.width() : image.height()); ++i)
            runs += (across ? image.pixel(i, 2) : image.pixel(2, i)) == 0xFF000000 &&
                    (across ? image.pixel(i - 1, 2) : image.pixel(2, i - 1)) != 0xFF000000;
        return runs;
    };
    setting("adaptar.txt", "SI");
    Form1 &w = loadOnScreen(1024, 768); // a frame of 12490 x 10445 twips
    for (int press = 0; press < 3; ++press) {
        const bool stretched = press % 2 == 0;
        SCOPED_TRACE(press);
        const QRect place(leftTwips(w.Picture1), topTwips(w.Picture1), widthTwips(w.Picture1),
                          heightTwips(w.Picture1));
        EXPECT_EQ(WindowAccess::naturalSizeShown(w), !stretched);
        if (stretched) {
            EXPECT_EQ(place, QRect(60, 60, 12370, 10325));
            EXPECT_EQ(runsOfBlack(w.Picture1->image(), true), 90);
            EXPECT_EQ(runsOfBlack(w.Picture1->image(), false), 64);
        } else {
            EXPECT_EQ(place, QRect(-1180, -27, 14850, 10500));
            EXPECT_EQ(w.Picture1->image(), drawing);
        }
        w.Command7->click();
    }
}

// Start-up places the controls for the screen (the places themselves are
// PlacementTest's): the texture preview goes to its corner. Down to 800 x 600
// every control a child needs lies on the screen and none covers another, with
// pictures of the design sizes: the tall palette, the texture and the tool icons.
TEST_F(LayoutWindow, DownTo800x600EveryControlIsOnTheScreenAndUncovered)
{
    writeTwoCategories();
    setting("guarda.txt", "SI");
    app.writePicture("paletas/paletagrande.bmp", plainPicture(92, 690, qRgb(90, 90, 90)));
    app.writePicture("texturas/a.bmp", plainPicture(97, 73, qRgb(0, 90, 0)));
    app.writePicture("gifs/pato.gif", plainPicture(90, 91, 0));
    app.writePicture("gifs/lapiz.gif", plainPicture(74, 121, 0));
    app.writePicture("gifs/recta.gif", plainPicture(94, 81, 0));
    for (const QSize screen : {QSize(800, 600), QSize(1024, 600), QSize(1024, 768)}) {
        SCOPED_TRACE(testing::Message() << screen.width() << " x " << screen.height());
        Form1 &w = loadOnScreen(screen.width(), screen.height());
        if (screen.height() == 768) {
            EXPECT_EQ(QPoint(leftTwips(w.Picture7), topTwips(w.Picture7)), QPoint(13905, 10425));
        }
        std::vector<QWidget *> controls{w.Command1, w.Command2,  w.Command3,  w.Command4,
                                        w.Command5, w.Command6,  w.Command7,  w.Command8,
                                        w.Command9, w.Command10, w.Command11, w.Picture4,
                                        w.Picture5, w.Picture6,  w.Picture7};
        controls.insert(controls.end(), w.Picture2.begin(), w.Picture2.end());
        controls.insert(controls.end(), w.Image2.begin(), w.Image2.end());
        ASSERT_FALSE(w.Picture6->picture().isNull());
        // To within two pixels: the line tool's icon ends a pixel past the edge by design.
        const QRect onScreen(-30, -30, screen.width() * 15 + 60, screen.height() * 15 + 60);
        for (std::size_t i = 0; i < controls.size(); ++i) {
            const auto place = [&](std::size_t n) {
                return QRect(leftTwips(controls[n]), topTwips(controls[n]), widthTwips(controls[n]),
                             heightTwips(controls[n]));
            };
            EXPECT_TRUE(onScreen.contains(place(i))) << "control " << i;
            for (std::size_t j = i + 1; j < controls.size(); ++j)
                EXPECT_FALSE(place(i).intersects(place(j))) << "controls " << i << ", " << j;
        }
    }
}

// A palette larger than its place is shrunk into it: every other control, the
// quit button first, can still be pressed, and the colour picked is the one
// shown under the mouse.
TEST_F(LayoutWindow, OversizedPaletteStaysWithinItsPlace)
{
    writeTwoCategories();
    QImage palette = plainPicture(5600, 5600, qRgb(255, 0, 0)); // left half red, right half blue
    QPainter(&palette).fillRect(2800, 0, 2800, 5600, Qt::blue);
    app.makeFolder("paletas");
    palette.save(app.file("paletas/paletagrande.bmp"), "PNG"); // small, whatever the name says
    Form1 &w = loadOnScreen(1920, 1080);
    w.resize(1920, 1080);
    EXPECT_TRUE(w.Picture6->width() <= 92 && w.Picture6->height() <= 698) << w.Picture6->height();
    EXPECT_EQ(w.childAt(w.Command2->geometry().center()), w.Command2);
    for (QWidget *other : w.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        QWidget *hit = w.childAt(other->geometry().center());
        EXPECT_TRUE(other == w.Picture6 || other->isHidden() || hit == other ||
                    other->isAncestorOf(hit) ||
                    other->testAttribute(Qt::WA_TransparentForMouseEvents))
            << other->metaObject()->className();
    }
    w.Picture6_mousedown(1, 0, 80 * 15, 10 * 15); // 80 pixels in: the right half
    EXPECT_EQ(WindowAccess::paint(w).rgb(), qRgb(0, 0, 255));
}
