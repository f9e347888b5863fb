#include "support/WindowOnScreen.h"

#include "platform/TwipGeometry.h"

#include <QPushButton>

// Down to 800 x 600 every control a child needs lies on the screen and none
// covers another, with pictures of the design sizes: the tall palette, the
// texture and the three tool icons.
using ShortScreen = WindowOnScreen;

TEST_F(ShortScreen, EveryControlIsOnTheScreenAndUncovered)
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
