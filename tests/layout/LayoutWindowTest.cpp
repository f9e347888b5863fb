#include "support/WindowOnScreen.h"

#include "platform/TwipGeometry.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

using LayoutWindow = WindowOnScreen;

// Start-up moves the controls to their places for the screen the window is on.
TEST_F(LayoutWindow, ControlsAreMovedForTheScreen)
{
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    Form1 &real = load();
    real.screenSizeTwips = nullptr; // the screen the tests have
    real.ArrangeControls();
    const QRect preview = real.Picture7->geometry(); // the texture preview, in the corner
    EXPECT_EQ(loadOnScreen(screen.width(), screen.height()).Picture7->geometry(), preview);
    Form1 &w = loadOnScreen(1024, 768);
    const std::tuple<const QWidget *, int, int> places[] = {{w.Picture7, 13905, 10425},
                                                            {w.Command2, 12920, 10495},
                                                            {w.Picture2[15], 7820, 10495},
                                                            {w.Image2[2], 13970, 3300},
                                                            {w.Picture5, 1405, 25}};
    for (const auto &[control, left, top] : places)
        EXPECT_EQ(QPoint(leftTwips(control), topTwips(control)), QPoint(left, top));
}

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
            EXPECT_EQ(w.naturalSizeShown, !stretched);
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
