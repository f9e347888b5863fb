#include "app/Form1.h"
#include "app/Form2.h"
#include "app/ProgramState.h"
#include "platform/Random.h"
#include "support/TempAppFolder.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

// The button, a click on the drawing and Enter in the field all go on to the
// main window; an empty name becomes "Sin_nombre", any other is kept as typed.
TEST(TitleWindow, EveryWayOnKeepsTheNameAsTyped)
{
    Form2 title(TempAppFolder().path());
    int shown = 0;
    title.showMainWindow = [&shown] { ++shown; };
    const std::function<void()> ways[] = {[&] { title.Command1->click(); },
                                          [&] { emit title.Picture1->clicked(); },
                                          [&] { QTest::keyClick(title.Text1, Qt::Key_Return); }};
    for (const auto &[typed, kept] :
         {std::pair<QString, QString>{"", "Sin_nombre"}, {" Zoë 🦄", " Zoë 🦄"}})
        for (const auto &goOn : ways) {
            userName.clear();
            title.Text1->setText(typed);
            goOn();
            EXPECT_EQ(userName, kept);
        }
    EXPECT_EQ(shown, 6);
}

// The title window comes up centred across the screen with the random numbers
// seeded from the clock; every 350 ms its drawing recolours a random area.
TEST(TitleWindow, StartsCentredSeededFromTheClockAndColoursItsDrawingAreaByArea)
{
    Form2 title(TempAppFolder().path());
    ProgramRandom::seed(7);
    const double fromSeven = ProgramRandom::next();
    ProgramRandom::seed(7);
    title.Form_Load();
    EXPECT_NE(ProgramRandom::next(), fromSeven);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_NEAR(title.x() - screen.x(), (screen.width() - title.width()) / 2, 1);

    EXPECT_EQ(title.Timer1->interval(), 350);
    EXPECT_TRUE(title.Timer1->isActive());
    title.Timer1->stop();
    const int w = title.Picture1->width(), h = title.Picture1->height();
    title.Picture1->setImage(lineDrawing(w, h));
    ProgramRandom::seed(2024);
    for (int tick = 0; tick < 30; ++tick)
        title.Timer1_Timer();
    const QImage &image = title.Picture1->image();
    int coloured = 0; // of the four boxes and the lines
    for (const QPoint p :
         {QPoint(1, 1), QPoint(w - 2, 1), QPoint(1, h - 2), QPoint(w - 2, h - 2), QPoint(0, 0)})
        coloured += image.pixel(p) != qRgb(0, 0, 0) && image.pixel(p) != qRgb(255, 255, 255);
    EXPECT_GE(coloured, 4);
}

// On a short screen the title window shrinks to fit, with its whole drawing,
// the name field and the button inside it (tests/e2e/short_screen.sh passes it
// there). Continuing shows the main window full screen and stops the title's clock.
TEST(TitleHandOver, ShrinksToFitAShortScreenAndStopsItsClockOnContinuing)
{
    TempAppFolder app;
    app.writePicture("fondo.jpg", QImage(8, 8, QImage::Format_RGB32));
    Form2 title(app.path());
    title.fitToHeight(560);
    EXPECT_TRUE(title.height() <= 560 && title.height() >= 550) << title.height();
    EXPECT_TRUE(title.rect().contains(title.Command1->geometry()));
    EXPECT_EQ(title.Picture1->picture().size(), title.Picture1->size());
    title.show();
    title.Command1_Click();
    ASSERT_NE(title.mainWindow(), nullptr);
    EXPECT_FALSE(title.Timer1->isActive());
    EXPECT_TRUE(title.mainWindow()->windowState() & Qt::WindowFullScreen);
    EXPECT_EQ(title.mainWindow()->geometry(), QGuiApplication::primaryScreen()->geometry());
}
