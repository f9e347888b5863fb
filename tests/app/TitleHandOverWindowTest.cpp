#include "app/Form1.h"
#include "app/Form2.h"
#include "support/TempAppFolder.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>

// On a short screen the title window shrinks to fit, with its whole drawing,
// the name field and the button inside it. Continuing shows the main window
// full screen and stops the title's clock.
TEST(TitleHandOver, ShrinksToFitAShortScreenAndStopsItsClockOnContinuing)
{
    TempAppFolder app;
    app.writePicture("fondo.jpg", QImage(8, 8, QImage::Format_RGB32));
    Form2 title(app.path());
    title.fitToHeight(560);
    EXPECT_LE(title.height(), 560);
    EXPECT_GE(title.height(), 550);
    EXPECT_TRUE(title.rect().contains(title.Text1->geometry()));
    EXPECT_TRUE(title.rect().contains(title.Command1->geometry()));
    EXPECT_LE(title.Picture1->geometry().bottom(), title.height());
    EXPECT_EQ(title.Picture1->picture().size(), title.Picture1->size());

    title.show();
    title.Command1_Click();
    ASSERT_NE(title.mainWindow(), nullptr);
    EXPECT_FALSE(title.Timer1->isActive());
    EXPECT_TRUE(title.mainWindow()->windowState() & Qt::WindowFullScreen);
    EXPECT_EQ(title.mainWindow()->geometry(), QGuiApplication::primaryScreen()->geometry());
}
