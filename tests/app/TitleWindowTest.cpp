#include "app/Form2.h"
#include "app/ProgramState.h"
#include "platform/Random.h"
#include "support/TempAppFolder.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
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
// seeded from the clock.
TEST(TitleWindow, StartsCentredAndSeededFromTheClock)
{
    Form2 title(TempAppFolder().path());
    ProgramRandom::seed(7);
    const double fromSeven = ProgramRandom::next();
    ProgramRandom::seed(7);
    title.Form_Load();
    EXPECT_NE(ProgramRandom::next(), fromSeven);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_NEAR(title.x() - screen.x(), (screen.width() - title.width()) / 2, 1);
}
