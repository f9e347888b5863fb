#include "platform/TwipGeometry.h"
#include "support/MainWindowFixture.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

using LayoutWindow = MainWindowFixture;

// Stretched (at start when adaptar.txt says "SI", then at every other press of
// the fit toggle) the drawing fills the frame less 60 twips a side, shrunk by
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
    for (const bool fitAtStart : {false, true}) {
        setting("adaptar.txt", fitAtStart ? "SI" : "NO");
        Form1 &w = loadOnScreen(1024, 768); // a frame of 12490 x 10445 twips
        for (int press = 0; press < 3; ++press) {
            const bool stretched = fitAtStart != (press % 2 == 1);
            SCOPED_TRACE(std::string(fitAtStart ? "fit at start" : "natural at start") +
                         ", press " + std::to_string(press));
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
}

// Start-up places the controls for the screen the window is on (the places
// themselves are PlacementTest's): the texture preview goes to its corner. Down
// to 800 x 600 every control a child needs lies on the screen and none covers
// another, with pictures of the design sizes: the tall palette, the texture and
// the three tool icons.
TEST_F(LayoutWindow, DownTo800x600EveryControlIsOnTheScreenAndUncovered)
{
    const QSize real = QGuiApplication::primaryScreen()->geometry().size();
    Form1 &onReal = load();
    onReal.screenSizeTwips = nullptr; // the screen the tests have
    onReal.ArrangeControls();
    const QRect preview = onReal.Picture7->geometry();
    EXPECT_EQ(loadOnScreen(real.width(), real.height()).Picture7->geometry(), preview);
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

// A picture larger than its control stays within the control's place: every
// other control, the quit button first, can still be pressed. The colour picked
// from a shrunk palette is the one shown under the mouse.
TEST_F(LayoutWindow, OversizedPicturesStayWithinTheirPlaces)
{
    // Left half red, right half blue; PNG whatever the name says.
    const std::tuple<const char *, QSize, int, QSize> pictures[] = {
        {"paletas/paletagrande.bmp", {5600, 5600}, 0, {92, 698}},
        {"gifs/pato.gif", {3000, 2000}, 1, {90, 91}},
        {"gifs/lapiz.gif", {2000, 3000}, 2, {74, 121}}};
    writeTwoCategories();
    for (const auto &[file, size, index, place] : pictures) {
        SCOPED_TRACE(file);
        QImage picture = plainPicture(size.width(), size.height(), qRgb(255, 0, 0));
        QPainter(&picture).fillRect(size.width() / 2, 0, size.width(), size.height(), Qt::blue);
        app.makeFolder(QFileInfo(file).path());
        picture.save(app.file(file), "PNG");
        Form1 &w = loadOnScreen(1920, 1080);
        w.resize(1920, 1080);
        QWidget *control = std::array<QWidget *, 3>{w.Picture6, w.Gif89a1, w.Image2[1]}[index];
        EXPECT_LE(control->width(), place.width());
        EXPECT_LE(control->height(), place.height());
        EXPECT_EQ(w.childAt(w.Command2->geometry().center()), w.Command2);
        for (QWidget *other : w.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (other == control || other->isHidden() ||
                other->testAttribute(Qt::WA_TransparentForMouseEvents))
                continue;
            QWidget *hit = w.childAt(other->geometry().center());
            EXPECT_TRUE(hit == other || other->isAncestorOf(hit))
                << other->metaObject()->className();
        }
        if (control == w.Picture6) {
            w.Picture6_mousedown(1, 0, 80 * 15, 10 * 15); // 80 pixels in: the right half
            EXPECT_EQ(WindowAccess::paint(w).rgb(), qRgb(0, 0, 255));
        }
    }
}
