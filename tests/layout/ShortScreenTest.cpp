#include "support/WindowOnScreen.h"

#include "platform/TwipGeometry.h"

#include <QPushButton>

// On every screen, down to 800 x 600, each control a child needs lies on
// the screen and no control covers another, with the pictures of the design
// sizes loaded: the tall palette and the three tool icons.
using ShortScreen = WindowOnScreen;

TEST_F(ShortScreen, EveryControlIsOnTheScreenAndUncovered)
{
    writeTwoCategories();
    setting("guarda.txt", "SI");
    app.writePicture("paletas/paletagrande.bmp", plainPicture(92, 690, qRgb(90, 90, 90)));
    app.writePicture("texturas/a.bmp", plainPicture(97, 73, qRgb(0, 90, 0)));
    const char *tools[] = {"gifs/pato.gif", "gifs/lapiz.gif", "gifs/recta.gif"};
    const QSize toolSizes[] = {{90, 91}, {74, 121}, {94, 81}};
    for (int i = 0; i < 3; ++i)
        app.writePicture(tools[i], plainPicture(toolSizes[i].width(), toolSizes[i].height(), 0));
    for (const QSize screen : {QSize(800, 600), QSize(1024, 600), QSize(1024, 768)}) {
        SCOPED_TRACE(testing::Message() << screen.width() << " x " << screen.height());
        Form1 &w = loadOnScreen(screen.width(), screen.height());
        std::vector<QWidget *> controls{w.Command1, w.Command2,  w.Command3,  w.Command4,
                                        w.Command5, w.Command6,  w.Command7,  w.Command8,
                                        w.Command9, w.Command10, w.Command11, w.Picture4,
                                        w.Picture5, w.Picture6,  w.Picture7};
        controls.insert(controls.end(), w.Picture2.begin(), w.Picture2.end());
        controls.insert(controls.end(), w.Image2.begin(), w.Image2.end());
        // To within two pixels: the line tool's icon ends a pixel past the edge by design.
        const QRect screenTwips(-30, -30, screen.width() * 15 + 60, screen.height() * 15 + 60);
        std::vector<QRect> places;
        for (const QWidget *c : controls)
            places.emplace_back(leftTwips(c), topTwips(c), widthTwips(c), heightTwips(c));
        ASSERT_FALSE(w.Picture6->picture().isNull());
        for (std::size_t i = 0; i < places.size(); ++i) {
            EXPECT_TRUE(screenTwips.contains(places[i])) << "control " << i;
            for (std::size_t j = i + 1; j < places.size(); ++j)
                EXPECT_FALSE(places[i].intersects(places[j])) << "controls " << i << ", " << j;
        }
    }
}
