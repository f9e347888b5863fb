#include "platform/PictureArea.h"

#include <QImage>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>

namespace
{
constexpr QRgb backColour = qRgb(10, 20, 30);
constexpr QRgb red = qRgb(255, 0, 0);

QImage filled(int w, int h, QRgb colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QRgb shown(PictureArea &area, int x, int y)
{
    return area.grab().toImage().pixel(x, y) | 0xFF000000;
}

// An area of 60 x 40 in a dark background colour with a 20 x 10 red picture.
struct AreaWithPicture {
    PictureArea area;
    AreaWithPicture()
    {
        area.resize(60, 40);
        area.setBackColor(backColour);
        area.setPicture(filled(20, 10, red));
    }
};
} // namespace

TEST(PictureAreaImage, ShowsPictureOnBackgroundBeforeAnyoneDraws)
{
    AreaWithPicture a;
    EXPECT_EQ(shown(a.area, 5, 5), red);
    EXPECT_EQ(shown(a.area, 30, 30), backColour);
    EXPECT_EQ(shown(a.area, 20, 5), backColour);
    a.area.resize(80, 50);
    EXPECT_EQ(shown(a.area, 75, 45), backColour);
    EXPECT_EQ(shown(a.area, 19, 9), red);
}

TEST(PictureAreaImage, ImageIsWhatWasShownAtTheAreasSize)
{
    AreaWithPicture a;
    a.area.resize(80, 50);
    const QImage &image = a.area.image();
    ASSERT_EQ(image.size(), QSize(80, 50));
    const QImage screen = a.area.grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (const QPoint p : {QPoint(0, 0), QPoint(19, 9), QPoint(20, 9), QPoint(79, 49)})
        EXPECT_EQ(image.pixel(p), screen.pixel(p)) << p.x() << "," << p.y();
    EXPECT_EQ(a.area.point(QPointF(5 * 15, 5 * 15)), red & 0xFFFFFF); // twips by default
}

TEST(PictureAreaImage, DrawingShowsAndSurvivesResizeUntilANewPicture)
{
    AreaWithPicture a;
    a.area.image().setPixel(40, 30, qRgb(0, 255, 0));
    a.area.imageChanged(QRect(40, 30, 1, 1));
    EXPECT_EQ(shown(a.area, 40, 30), qRgb(0, 255, 0));
    a.area.resize(90, 60);
    EXPECT_EQ(shown(a.area, 40, 30), qRgb(0, 255, 0));
    EXPECT_EQ(shown(a.area, 85, 55), backColour);
    EXPECT_EQ(a.area.image().size(), QSize(90, 60));

    a.area.setPicture(filled(20, 10, red));
    EXPECT_EQ(shown(a.area, 40, 30), backColour);
    EXPECT_EQ(a.area.image().pixel(40, 30) | 0xFF000000, backColour);
}

TEST(PictureAreaImage, KeptPictureIsTheWholeAreaEvenIfNothingWasDrawn)
{
    AreaWithPicture a;
    a.area.keepImageAsPicture();
    ASSERT_EQ(a.area.picture().size(), QSize(60, 40));
    EXPECT_EQ(a.area.picture().pixel(5, 5) | 0xFF000000, red);
    EXPECT_EQ(a.area.picture().pixel(50, 30) | 0xFF000000, backColour);
}

TEST(PictureAreaImage, BackColourChangeRepaintsAnUntouchedArea)
{
    PictureArea area;
    area.resize(30, 20);
    EXPECT_EQ(shown(area, 10, 10), qRgb(255, 255, 255));
    area.setBackColor(red);
    EXPECT_EQ(shown(area, 10, 10), red);
    EXPECT_EQ(area.image().pixel(29, 19) | 0xFF000000, red);
}

namespace
{
// Each drawing call the program makes, at a place partly outside a 300 x 200
// area in pixels, so that clipping is part of what is compared.
const std::function<void(PictureArea &)> drawingCalls[] = {
    [](PictureArea &a) { a.line(QPointF(20.5, 30), QPointF(290, 180.25), red); },
    [](PictureArea &a) { a.line(QPointF(-40, 150), QPointF(120, 260), red); },
    [](PictureArea &a) { a.dot(QPointF(298.5, 3.5), red); },
    [](PictureArea &a) { a.circle(QPointF(150, 100), 37.5, red); },
    [](PictureArea &a) { a.setPixel(QPointF(7, 9), red); },
    [](PictureArea &a) { a.paintPicture(filled(30, 20, red), QRectF(280, 190, 60, 40)); },
};

PictureArea &pixelArea(PictureArea &area, int width)
{
    area.resize(300, 200);
    area.setDrawingUnit(PictureArea::Unit::Pixels);
    area.setDrawWidth(width);
    area.setFillColor(qRgb(0, 0, 255));
    return area;
}
} // namespace

TEST(PictureAreaImage, ScreenOnlyDrawingShowsWhatRetainedDrawingWouldKeep)
{
    for (const int width : {1, 4, 9}) {
        for (std::size_t call = 0; call < std::size(drawingCalls); ++call) {
            PictureArea kept, shownOnly;
            pixelArea(kept, width).setAutoRedraw(true);
            pixelArea(shownOnly, width).setAutoRedraw(false);
            drawingCalls[call](kept);
            drawingCalls[call](shownOnly);
            const QImage expected = kept.image().convertToFormat(QImage::Format_RGB32);
            const QImage screen = shownOnly.grab().toImage().convertToFormat(QImage::Format_RGB32);
            ASSERT_EQ(screen.size(), expected.size());
            EXPECT_EQ(screen, expected) << "call " << call << " width " << width;
            EXPECT_EQ(shownOnly.image().pixel(150, 100) | 0xFF000000, qRgb(255, 255, 255))
                << "screen-only drawing leaves the image alone";
            shownOnly.refresh();
            EXPECT_EQ(shownOnly.grab().toImage().convertToFormat(QImage::Format_RGB32),
                      shownOnly.image())
                << "refresh takes it away; call " << call;
        }
    }
}

TEST(PictureAreaImage, ScreenOnlyDrawingsAddUpUntilRefresh)
{
    PictureArea area;
    pixelArea(area, 4);
    area.line(QPointF(10, 10), QPointF(40, 20), red);
    area.line(QPointF(250, 170), QPointF(290, 190), qRgb(0, 255, 0));
    QImage screen = area.grab().toImage();
    EXPECT_EQ(screen.pixel(25, 15) | 0xFF000000, red);
    EXPECT_EQ(screen.pixel(270, 180) | 0xFF000000, qRgb(0, 255, 0));
    area.refresh();
    area.line(QPointF(250, 170), QPointF(290, 190), red);
    screen = area.grab().toImage();
    EXPECT_EQ(screen.pixel(25, 15) | 0xFF000000, qRgb(255, 255, 255));
    EXPECT_EQ(screen.pixel(270, 180) | 0xFF000000, red);
}
