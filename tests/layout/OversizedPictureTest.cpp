#include "support/WindowOnScreen.h"

#include <QBuffer>
#include <QPainter>
#include <QPushButton>

namespace
{
struct Oversized {
    const char *file;
    QSize size;
    QWidget *(*control)(Form1 &);
    QSize place; // pixels, from the window's design
};

const Oversized pictures[] = {
    {"paletas/paletagrande.bmp",
     {5600, 5600},
     [](Form1 &w) -> QWidget * { return w.Picture6; },
     {92, 698}},
    {"gifs/pato.gif", {3000, 2000}, [](Form1 &w) -> QWidget * { return w.Gif89a1; }, {90, 91}},
    {"gifs/lapiz.gif", {2000, 3000}, [](Form1 &w) -> QWidget * { return w.Image2[1]; }, {74, 121}},
};

class OversizedPicture : public WindowOnScreen, public ::testing::WithParamInterface<Oversized>
{
};

// Left half red, right half blue; written as PNG whatever the name says.
QByteArray twoColourPicture(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(qRgb(255, 0, 0));
    QPainter(&image).fillRect(size.width() / 2, 0, size.width(), size.height(), Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}
} // namespace

// A picture larger than its control stays within the control's place: every
// other control, the quit button first, can still be pressed.
TEST_P(OversizedPicture, StaysWithinItsPlace)
{
    const Oversized &row = GetParam();
    SCOPED_TRACE(row.file);
    writeTwoCategories();
    app.writeText(row.file, twoColourPicture(row.size));
    Form1 &w = loadOnScreen(1920, 1080);
    w.resize(1920, 1080);
    QWidget *control = row.control(w);
    EXPECT_LE(control->width(), row.place.width());
    EXPECT_LE(control->height(), row.place.height());
    EXPECT_EQ(w.childAt(w.Command2->geometry().center()), w.Command2);
    for (QObject *child : w.children()) {
        auto *other = qobject_cast<QWidget *>(child);
        if (!other || other == control || other->isHidden() ||
            other->testAttribute(Qt::WA_TransparentForMouseEvents))
            continue;
        QWidget *hit = w.childAt(other->geometry().center());
        EXPECT_TRUE(hit == other || other->isAncestorOf(hit)) << other->metaObject()->className();
    }
    if (control == w.Picture6) { // the colour picked is the one shown under the mouse
        w.Picture6_mousedown(1, 0, 80 * 15, 10 * 15); // 80 pixels in: the right half
        EXPECT_EQ(QColor(w.red, w.green, w.blue), QColor(Qt::blue));
    }
}

INSTANTIATE_TEST_SUITE_P(Pictures, OversizedPicture, ::testing::ValuesIn(pictures));
