#include "canvas/CursorTemplate.h"
#include "platform/TwipGeometry.h"
#include "support/WindowOnScreen.h"

#include <QCoreApplication>
#include <QDir>
#include <QPushButton>

using StartUp = WindowOnScreen;

// "NO" in any letter case for borra and impresora, exactly "SI" for adaptar and
// guarda, on the first line of the file under its lower-case name; line ends aside.
TEST_F(StartUp, EachSettingFollowsTheFirstLineOfItsFile)
{
    writeTwoCategories();
    const std::tuple<const char *, const char *, bool> rows[] = {{"none", "", false},
                                                                 {"borra.txt", "No\r\n", true},
                                                                 {"borra.txt", "NO ", false},
                                                                 {"BORRA.TXT", "NO", false},
                                                                 {"impresora.txt", "no\r", true},
                                                                 {"adaptar.txt", "SI\n", true},
                                                                 {"adaptar.txt", "si", false},
                                                                 {"guarda.txt", "SI\r\n", true},
                                                                 {"guarda.txt", "Si", false}};
    for (const auto &[file, line, holds] : rows) {
        const auto rule = [&](const char *name) { return holds && qstrcmp(file, name) == 0; };
        QDir(app.file("configuracion")).removeRecursively();
        setting(file, line);
        app.writePicture("dibujos/animales/1.bmp", lineDrawing(60, 40, 7));
        Form1 &w = load();
        SCOPED_TRACE(file + std::string(" ") + line);
        EXPECT_EQ(app.exists("dibujos/animales/1.bmp"), rule("borra.txt"));
        EXPECT_EQ(w.Command8->isEnabled(), !rule("impresora.txt"));
        EXPECT_EQ(w.naturalSizeShown, !rule("adaptar.txt"));
        EXPECT_EQ(w.Command10->isHidden(), !rule("guarda.txt"));
        EXPECT_EQ(w.Command11->isHidden(), !rule("guarda.txt"));
    }
}

// Clean-up first (up to each category's first gap), then the first of everything,
// the title window closed last; the cursor is the template's corner shrunk by averaging.
TEST_F(StartUp, CleansUpThenShowsTheFirstOfEverythingAndClosesTheTitle)
{
    writeTwoCategories();
    app.writePicture("logos/animales.gif", plainPicture(65, 67, qRgb(0, 0, 200)));
    app.writePicture("dibujos/animales/5.gif", lineDrawing(60, 40)); // beyond the gap at 4
    // Kept colourings: those of drawings 1 to 3 go, one beyond the gap and one in capitals stay.
    const QStringList kept{"animales/1.bmp", "animales/3.bmp", "pequenos/2.bmp", "animales/5.bmp",
                           "pequenos/1.BMP"};
    for (const QString &file : kept)
        app.writePicture("dibujos/" + file, plainPicture(60, 40, 0));
    app.writePicture("texturas/Zigzag.png", plainPicture(8, 8, qRgb(0, 0, 200)));
    app.writePicture("texturas/arena.png", plainPicture(8, 8, qRgb(200, 180, 0)));
    QWidget title;
    title.setAttribute(Qt::WA_QuitOnClose, false);
    title.show();
    Form1 w(app.path(), &title);
    w.Form_Load();
    EXPECT_TRUE(title.isHidden());
    for (const QString &file : kept)
        EXPECT_EQ(app.exists("dibujos/" + file), kept.indexOf(file) > 2) << file.toStdString();
    EXPECT_EQ(w.Picture1->image(), lineDrawing(60, 40, 1));
    EXPECT_EQ(w.drawingCount, 3);
    EXPECT_EQ(w.Command5->icon().pixmap(20, 20).toImage().pixel(10, 10), qRgb(0, 0, 200));
    EXPECT_EQ(w.Picture7->picture().pixel(2, 2) | 0xFF000000, qRgb(200, 180, 0));
    EXPECT_EQ(w.Gif89a1->file(), app.path() + "/gifs/pato.gif");
    EXPECT_EQ(leftTwips(w.Gif89a1), leftTwips(w.Image2[0]));
    EXPECT_EQ(w.Picture1->fillColor(), qRgb(255, 0, 0));
    EXPECT_EQ(w.penWidth, 2);
    EXPECT_EQ(w.Picture1->drawWidth(), 4); // not yet the thickness chosen
    EXPECT_TRUE(w.Picture4->isHidden());
    EXPECT_EQ(widthTwips(w.Picture3), 520);
    EXPECT_EQ(w.Picture3->image(), makeCursorTemplate().copy(0, 0, 35, 35));
    const QImage cursor = w.Image4->picture().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(cursor.size(), QSize(32, 32));
    int blended = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            blended += qAlpha(cursor.pixel(x, y)) && qRed(cursor.pixel(x, y)) % 255;
    EXPECT_GT(blended, 5);
}

// Read once, tiled from the top-left corner; a missing picture is reported once.
TEST_F(StartUp, BackgroundIsReadOnceAndTiledFromTheCorner)
{
    Form1 &missing = load();
    for (int paint = 0; paint < 3; ++paint) {
        missing.grab();
        QCoreApplication::processEvents();
    }
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("No encuentro la imagen de fondo \r\nERROR: "));
    QImage tile = plainPicture(10, 8, qRgb(0, 0, 200));
    tile.setPixel(0, 0, qRgb(200, 0, 0));
    tile.save(app.file("fondo.jpg"), "PNG"); // the loader goes by content: exact colours
    Form1 &w = load();
    for (QWidget *control : w.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        control->hide();
    w.resize(400, 300);
    w.grab();
    QFile::remove(app.file("fondo.jpg"));
    const QImage shot = w.grab().toImage();
    for (const QPoint p : {QPoint(300, 200), QPoint(310, 208), QPoint(391, 296), QPoint(250, 105)})
        EXPECT_EQ(shot.pixel(p), p.x() % 10 || p.y() % 8 ? qRgb(0, 0, 200) : qRgb(200, 0, 0));
    QCoreApplication::processEvents();
    EXPECT_EQ(messages.size(), 1);
}
