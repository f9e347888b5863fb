#include "platform/Stretch.h"

#include <QPoint>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>
#include <vector>

namespace
{

constexpr QRgb white = 0xffffffffu;
constexpr QRgb black = 0xff000000u;
constexpr std::array allModes = {StretchMode::And, StretchMode::Or, StretchMode::Nearest,
                                 StretchMode::Average};

QImage filled(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QImage randomImage(int width, int height, unsigned seed)
{
    std::mt19937 random(seed);
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, 0xff000000u | (random() & 0xffffffu));
    return image;
}

int countColour(const QImage &image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

// True when the 4-connected area of pixels that are not black, grown from start,
// reaches the edge of the image.
bool areaReachesEdge(const QImage &image, QPoint start)
{
    const int w = image.width();
    const int h = image.height();
    std::vector<char> seen(static_cast<size_t>(w) * h, 0);
    std::vector<QPoint> stack{start};
    seen[start.y() * w + start.x()] = 1;
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        if (p.x() == 0 || p.y() == 0 || p.x() == w - 1 || p.y() == h - 1)
            return true;
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint q = p + step;
            char &mark = seen[q.y() * w + q.x()];
            if (!mark && image.pixel(q) != black) {
                mark = 1;
                stack.push_back(q);
            }
        }
    }
    return false;
}

// A 1-pixel outline, 8-connected, of a disk: its pixels inside with a 4-neighbour outside.
void drawDiskOutline(QImage &image, QPoint centre, int radius)
{
    const auto inside = [&](int x, int y) {
        const int dx = x - centre.x();
        const int dy = y - centre.y();
        return dx * dx + dy * dy <= radius * radius;
    };
    for (int y = centre.y() - radius; y <= centre.y() + radius; ++y)
        for (int x = centre.x() - radius; x <= centre.x() + radius; ++x)
            if (inside(x, y) &&
                (!inside(x + 1, y) || !inside(x - 1, y) || !inside(x, y + 1) || !inside(x, y - 1)))
                image.setPixel(x, y, black);
}

void drawRectangleOutline(QImage &image, QRect rect)
{
    for (int x = rect.left(); x <= rect.right(); ++x) {
        image.setPixel(x, rect.top(), black);
        image.setPixel(x, rect.bottom(), black);
    }
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        image.setPixel(rect.left(), y, black);
        image.setPixel(rect.right(), y, black);
    }
}

// A diamond of 1-pixel diagonal lines: closed only for 4-connected filling.
void drawDiamondOutline(QImage &image, QPoint centre, int radius)
{
    for (int i = 0; i <= radius; ++i) {
        image.setPixel(centre.x() - radius + i, centre.y() - i, black);
        image.setPixel(centre.x() + radius - i, centre.y() - i, black);
        image.setPixel(centre.x() - radius + i, centre.y() + i, black);
        image.setPixel(centre.x() + radius - i, centre.y() + i, black);
    }
}

} // namespace

TEST(StretchImage, RefusesEmptySourcesAndSizes)
{
    const QImage source = filled(10, 10, white);
    for (StretchMode mode : allModes) {
        EXPECT_TRUE(stretchImage(QImage(), 5, 5, mode).isNull());
        EXPECT_TRUE(stretchImage(source, 0, 5, mode).isNull());
        EXPECT_TRUE(stretchImage(source, 5, 0, mode).isNull());
        EXPECT_TRUE(stretchImage(source, -3, 5, mode).isNull());
        EXPECT_TRUE(stretchImage(source, 5, -1, mode).isNull());
    }
}

TEST(StretchImage, SameSizeGivesTheSamePixelsInEveryMode)
{
    const QImage source = randomImage(37, 23, 1);
    for (StretchMode mode : allModes) {
        const QImage result = stretchImage(source, 37, 23, mode);
        EXPECT_EQ(result.format(), QImage::Format_RGB32);
        EXPECT_EQ(result, source) << "mode " << static_cast<int>(mode);
    }
}

TEST(StretchImage, OutputIsOpaqueRgb32WhateverTheInput)
{
    QImage source(4, 4, QImage::Format_ARGB32);
    source.fill(qRgba(10, 20, 30, 255));
    source.setPixel(1, 1, qRgba(10, 20, 30, 0));
    for (StretchMode mode : allModes) {
        const QImage result = stretchImage(source, 2, 2, mode);
        ASSERT_EQ(result.format(), QImage::Format_RGB32);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 2; ++x)
                EXPECT_EQ(qAlpha(result.pixel(x, y)), 255);
    }
}

TEST(StretchImage, EnlargingRepeatsEachSourcePixelAsABlock)
{
    const QImage source = randomImage(3, 2, 2);
    for (StretchMode mode : allModes) {
        const QImage result = stretchImage(source, 9, 6, mode);
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 9; ++x)
                ASSERT_EQ(result.pixel(x, y), source.pixel(x / 3, y / 3))
                    << "mode " << static_cast<int>(mode) << " at " << x << "," << y;
    }
}

TEST(StretchImage, EnlargingByAnAwkwardRatioKeepsEverySourceColumnInOrder)
{
    // Each column of the source has its own colour, so a destination column
    // tells which source column it came from.
    QImage source(5, 1, QImage::Format_RGB32);
    for (int x = 0; x < 5; ++x)
        source.setPixel(x, 0, qRgb(x * 40, 0, 0));
    for (StretchMode mode : allModes) {
        const QImage result = stretchImage(source, 13, 1, mode);
        int previous = 0;
        std::vector<int> seen(5, 0);
        for (int x = 0; x < 13; ++x) {
            const int column = qRed(result.pixel(x, 0)) / 40;
            ASSERT_EQ(result.pixel(x, 0), source.pixel(column, 0));
            ASSERT_GE(column, previous);
            ASSERT_LE(column - previous, 1);
            previous = column;
            ++seen[column];
        }
        for (int count : seen)
            EXPECT_GE(count, 2) << "mode " << static_cast<int>(mode);
    }
}

TEST(StretchImage, AndKeepsEveryThinBlackLineWhenShrinkingAndOrDropsIt)
{
    // Every position of a 1-pixel line, vertical and horizontal.
    for (int position = 0; position < 1000; ++position) {
        QImage vertical = filled(1000, 3, white);
        QImage horizontal = filled(3, 1000, white);
        for (int i = 0; i < 3; ++i) {
            vertical.setPixel(position, i, black);
            horizontal.setPixel(i, position, black);
        }
        const QImage keptV = stretchImage(vertical, 333, 3, StretchMode::And);
        const QImage keptH = stretchImage(horizontal, 3, 333, StretchMode::And);
        ASSERT_EQ(countColour(keptV, black), 3) << "line at x " << position;
        ASSERT_EQ(countColour(keptH, black), 3) << "line at y " << position;
        ASSERT_EQ(countColour(keptV, white), 3 * 332);
        ASSERT_EQ(countColour(stretchImage(vertical, 333, 3, StretchMode::Or), white), 3 * 333)
            << "line at x " << position;
        ASSERT_EQ(countColour(stretchImage(horizontal, 3, 333, StretchMode::Or), white), 3 * 333)
            << "line at y " << position;
    }
}

TEST(StretchImage, OrKeepsAWhitePixelOnBlack)
{
    QImage source = filled(100, 100, black);
    source.setPixel(57, 31, white);
    EXPECT_EQ(countColour(stretchImage(source, 30, 30, StretchMode::Or), white), 1);
    EXPECT_EQ(countColour(stretchImage(source, 30, 30, StretchMode::And), white), 0);
}

TEST(StretchImage, AndShrinkingKeepsClosedOutlinesClosed)
{
    QImage source = filled(1000, 700, white);
    const QPoint rectangleInside(300, 200);
    const QPoint diskInside(700, 450);
    const QPoint diamondInside(250, 520);
    drawRectangleOutline(source, QRect(123, 77, 331, 257));
    drawDiskOutline(source, diskInside, 171);
    drawDiamondOutline(source, diamondInside, 101);
    for (const QPoint inside : {rectangleInside, diskInside, diamondInside})
        ASSERT_FALSE(areaReachesEdge(source, inside));

    for (const QSize size : {QSize(832, 689), QSize(517, 311), QSize(333, 233), QSize(999, 350)}) {
        const QImage result = stretchImage(source, size.width(), size.height(), StretchMode::And);
        for (const QPoint inside : {rectangleInside, diskInside, diamondInside}) {
            const QPoint scaled(inside.x() * size.width() / 1000, inside.y() * size.height() / 700);
            ASSERT_EQ(result.pixel(scaled), white);
            EXPECT_FALSE(areaReachesEdge(result, scaled))
                << "area at " << inside.x() << "," << inside.y() << " leaks at " << size.width()
                << "x" << size.height();
        }
    }
}

TEST(StretchImage, AverageGivesTheMeanOfTheCoveredPixels)
{
    QImage checkerboard(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            checkerboard.setPixel(x, y, (x + y) % 2 ? white : black);
    const QImage grey = stretchImage(checkerboard, 32, 32, StretchMode::Average);
    EXPECT_EQ(countColour(grey, qRgb(128, 128, 128)), 32 * 32);

    QImage pair(2, 1, QImage::Format_RGB32);
    pair.setPixel(0, 0, qRgb(255, 0, 10));
    pair.setPixel(1, 0, qRgb(0, 100, 30));
    EXPECT_EQ(stretchImage(pair, 1, 1, StretchMode::Average).pixel(0, 0), qRgb(128, 50, 20));

    // 3 source pixels per destination pixel across, 1 down.
    QImage ramp(6, 1, QImage::Format_RGB32);
    for (int x = 0; x < 6; ++x)
        ramp.setPixel(x, 0, qRgb(x * 30, 0, 0));
    const QImage halved = stretchImage(ramp, 2, 1, StretchMode::Average);
    EXPECT_EQ(qRed(halved.pixel(0, 0)), 30);
    EXPECT_EQ(qRed(halved.pixel(1, 0)), 120);
}

TEST(StretchImage, NearestTakesThePixelUnderTheCentre)
{
    QImage ramp(9, 1, QImage::Format_RGB32);
    for (int x = 0; x < 9; ++x)
        ramp.setPixel(x, 0, qRgb(x, 0, 0));
    const QImage thirds = stretchImage(ramp, 3, 1, StretchMode::Nearest);
    EXPECT_EQ(qRed(thirds.pixel(0, 0)), 1);
    EXPECT_EQ(qRed(thirds.pixel(1, 0)), 4);
    EXPECT_EQ(qRed(thirds.pixel(2, 0)), 7);
}
