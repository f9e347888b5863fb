#include "platform/ScreenOverlay.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace
{
const QRect area(0, 0, 4000, 3000);
constexpr QRgb red = qRgb(255, 0, 0);
constexpr QRgb blue = qRgb(0, 0, 255);

// Marks one pixel of the area on the overlay, as a drawing call does.
void drawPixel(ScreenOverlay &overlay, QPoint at, QRgb colour)
{
    QImage &image = overlay.cover(QRect(at, QSize(1, 1)), area);
    ASSERT_FALSE(image.isNull());
    image.setPixel(at - overlay.origin(), colour);
    overlay.drawn(QRect(at, QSize(1, 1)));
}

// What the overlay shows over a white area of the given size.
QImage shownOverWhite(const ScreenOverlay &overlay, QSize size)
{
    QImage screen(size, QImage::Format_RGB32);
    screen.fill(Qt::white);
    QPainter painter(&screen);
    overlay.paint(painter, screen.rect());
    return screen;
}
} // namespace

TEST(ScreenOverlay, HoldsPixelsOnlyAroundWhatIsDrawn)
{
    ScreenOverlay overlay;
    overlay.cover(QRect(1000, 800, 200, 100), area);
    EXPECT_EQ(overlay.origin(), QPoint(1000, 800));
    EXPECT_LE(overlay.heldSize().width(), 250);
    EXPECT_LE(overlay.heldSize().height(), 125);
    EXPECT_GE(overlay.heldSize().width(), 200);
    EXPECT_GE(overlay.heldSize().height(), 100);
}

TEST(ScreenOverlay, KeepsWhatWasDrawnWhenItGrows)
{
    ScreenOverlay overlay;
    drawPixel(overlay, QPoint(30, 20), red);
    drawPixel(overlay, QPoint(400, 300), blue); // outside what was held: it grows
    const QImage screen = shownOverWhite(overlay, QSize(500, 400));
    EXPECT_EQ(screen.pixel(30, 20), red);
    EXPECT_EQ(screen.pixel(400, 300), blue);
    EXPECT_EQ(screen.pixel(31, 20), qRgb(255, 255, 255)) << "undrawn pixels are transparent";
    EXPECT_EQ(screen.pixel(200, 150), qRgb(255, 255, 255));
}

TEST(ScreenOverlay, ClearedOverlayMovesWithoutGrowing)
{
    ScreenOverlay overlay;
    drawPixel(overlay, QPoint(100, 100), red);
    overlay.cover(QRect(100, 100, 300, 200), area);
    const QSize held = overlay.heldSize();
    overlay.clear();
    EXPECT_EQ(shownOverWhite(overlay, QSize(500, 400)).pixel(100, 100), qRgb(255, 255, 255));
    // A line of the same size elsewhere, as the mouse moves: the same memory.
    overlay.cover(QRect(3000, 2500, 300, 200), area);
    EXPECT_EQ(overlay.heldSize(), held);
    EXPECT_EQ(overlay.origin(), QPoint(3000, 2500));
    drawPixel(overlay, QPoint(3100, 2600), blue);
    EXPECT_EQ(overlay.drawnArea(), QRect(3100, 2600, 1, 1));
}

TEST(ScreenOverlay, ReachOutsideTheAreaTakesNoMemory)
{
    ScreenOverlay overlay;
    EXPECT_TRUE(overlay.cover(QRect(-50, -50, 20, 20), area).isNull());
    EXPECT_TRUE(overlay.cover(QRect(4000, 10, 20, 20), area).isNull());
    // Partly inside: only the inside part is held.
    overlay.cover(QRect(3990, 2990, 100, 100), area);
    EXPECT_EQ(overlay.origin(), QPoint(3990, 2990));
    EXPECT_EQ(overlay.heldSize(), QSize(10, 10));
}

TEST(ScreenOverlay, ReleaseDropsEverything)
{
    ScreenOverlay overlay;
    drawPixel(overlay, QPoint(10, 10), red);
    overlay.release();
    EXPECT_TRUE(overlay.heldSize().isEmpty());
    EXPECT_TRUE(overlay.drawnArea().isEmpty());
    EXPECT_EQ(shownOverWhite(overlay, QSize(20, 20)).pixel(10, 10), qRgb(255, 255, 255));
}
