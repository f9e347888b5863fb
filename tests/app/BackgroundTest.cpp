#include "support/MainWindowFixture.h"

#include <QCoreApplication>

using Background = MainWindowFixture;

namespace
{
// The controls, laid out for the screen, cover most of the window; without
// them every pixel of a grab is the window's own background.
void hideControls(QWidget &window)
{
    for (QWidget *control : window.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        control->hide();
}
} // namespace

TEST_F(Background, TilesThePictureFromTheTopLeftCorner)
{
    QImage tile(10, 8, QImage::Format_RGB32);
    tile.fill(qRgb(0, 0, 200));
    tile.setPixel(0, 0, qRgb(200, 0, 0));
    // PNG bytes under the JPEG name: the loader goes by content, and the
    // colours stay exact.
    tile.save(app.file("fondo.jpg"), "PNG");
    Form1 &w = load();
    hideControls(w);
    w.resize(400, 300);
    const QImage shot = w.grab().toImage();
    for (QPoint p : {QPoint(300, 200), QPoint(390, 296), QPoint(250, 104)}) {
        const QRgb expected =
            (p.x() % 10 == 0 && p.y() % 8 == 0) ? qRgb(200, 0, 0) : qRgb(0, 0, 200);
        EXPECT_EQ(shot.pixel(p), expected) << p.x() << "," << p.y();
    }
    EXPECT_EQ(shot.pixel(310, 208), qRgb(200, 0, 0));
    EXPECT_EQ(w.backgroundCache.tileWidth, 150);
    EXPECT_EQ(w.backgroundCache.tileHeight, 120);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Background, MissingPictureIsReportedOnceWithItsMessage)
{
    Form1 &w = load();
    w.resize(200, 100);
    w.grab();
    QCoreApplication::processEvents();
    w.grab();
    w.repaint();
    QCoreApplication::processEvents();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("No encuentro la imagen de fondo \r\nERROR: "));
    EXPECT_GT(messages[0].size(), QString("No encuentro la imagen de fondo \r\nERROR: ").size());
}

TEST_F(Background, PictureIsReadOnceAndKeptForLaterRepaints)
{
    QImage tile(4, 4, QImage::Format_RGB32);
    tile.fill(qRgb(0, 120, 0));
    tile.save(app.file("fondo.jpg"), "PNG");
    Form1 &w = load();
    hideControls(w);
    w.resize(100, 100);
    w.grab();
    QFile::remove(app.file("fondo.jpg"));
    const QImage shot = w.grab().toImage();
    EXPECT_EQ(shot.pixel(99, 99), qRgb(0, 120, 0));
    QCoreApplication::processEvents();
    EXPECT_TRUE(messages.isEmpty());
}
