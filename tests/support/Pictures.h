#pragma once

#include <QImage>
#include <QString>
#include <cstring>
#include <gtest/gtest.h>
#include <initializer_list>
#include <utility>

// A picture of one plain colour.
inline QImage plainPicture(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A white picture with a black frame and a black cross, so that it has four
// closed areas; mark moves the cross's upright, so each drawing has its own look.
inline QImage lineDrawing(int width, int height, int mark = 0)
{
    QImage image = plainPicture(width, height, qRgb(255, 255, 255));
    for (int x = 0; x < width; ++x)
        for (const int y : {0, height / 2, height - 1})
            image.setPixel(x, y, qRgb(0, 0, 0));
    for (int y = 0; y < height; ++y)
        for (const int x : {0, (width / 2 + mark) % width, width - 1})
            image.setPixel(x, y, qRgb(0, 0, 0));
    return image;
}

// A small picture drawn as text, one character a pixel: '#' black, a colour of
// the legend for its character, white for any other.
inline QImage textPicture(std::initializer_list<const char *> rows,
                          std::initializer_list<std::pair<char, QRgb>> legend = {})
{
    QImage image(int(std::strlen(*rows.begin())), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const char c = rows.begin()[y][x];
            QRgb colour = c == '#' ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
            for (const auto &[key, value] : legend)
                colour = key == c ? value | 0xFF000000u : colour;
            image.setPixel(x, y, colour);
        }
    return image;
}

// The pixel comparison of every test: the same size and pixels (alpha compared
// only when both images have it), or the count of differing pixels and the first
// few of them with their coordinates, actual against expected.
inline ::testing::AssertionResult sameImage(const QImage &actual, const QImage &expected)
{
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure()
               << "size " << actual.width() << "x" << actual.height() << ", expected "
               << expected.width() << "x" << expected.height();
    const QRgb mask = actual.hasAlphaChannel() && expected.hasAlphaChannel() ? ~0u : 0xFFFFFFu;
    int count = 0;
    QString first;
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = actual.pixel(x, y) & mask, e = expected.pixel(x, y) & mask;
            if (a != e && ++count <= 4)
                first += QString(" (%1,%2) %3 not %4").arg(x).arg(y).arg(a, 0, 16).arg(e, 0, 16);
        }
    if (count == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << count << " pixels differ:" << first.toStdString();
}
