#pragma once

#include "support/MainWindowFixture.h"

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QString>

// A main window whose canvas shows a picture made by the test.
class CanvasWindow : public MainWindowFixture
{
protected:
    Form1 &loadWithCanvas(const QImage &picture)
    {
        writeTwoCategories();
        Form1 &w = load();
        w.Picture1->setPicture(picture);
        return w;
    }

    QImage canvas() const { return window->Picture1->image().copy(); }

    // What the canvas shows on the screen: the persistent image and whatever
    // was drawn over it for the screen only.
    QImage screen() const
    {
        return window->Picture1->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    // A mouse event as the platform delivers it, with the buttons held given
    // in the program's code (1 left, 2 right, 4 middle).
    void sendMouse(QEvent::Type type, int buttons, QPointF at) const
    {
        Qt::MouseButtons held;
        if (buttons & 1)
            held |= Qt::LeftButton;
        if (buttons & 2)
            held |= Qt::RightButton;
        if (buttons & 4)
            held |= Qt::MiddleButton;
        const Qt::MouseButton changed =
            type == QEvent::MouseMove ? Qt::NoButton
                                      : static_cast<Qt::MouseButton>(held.toInt() & -held.toInt());
        QMouseEvent event(type, at, window->Picture1->mapToGlobal(at), changed, held,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(window->Picture1, &event);
    }
};

inline QImage whiteImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(255, 255, 255));
    return image;
}

inline void fillRect(QImage &image, QRect rect, QRgb colour)
{
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            image.setPixel(x, y, colour);
}

inline int countColour(const QImage &image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return n;
}

// Empty when both images are equal, else their sizes or the first differing
// pixels with their coordinates, so that a failure reads at once.
inline QString imageDifference(const QImage &actual, const QImage &expected)
{
    if (actual.size() != expected.size())
        return QString("size %1x%2, expected %3x%4")
            .arg(actual.width())
            .arg(actual.height())
            .arg(expected.width())
            .arg(expected.height());
    QString report;
    int shown = 0, total = 0;
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = actual.pixel(x, y) & 0xFFFFFF, e = expected.pixel(x, y) & 0xFFFFFF;
            if (a == e)
                continue;
            if (shown++ < 5)
                report += QString("(%1,%2) is %3, expected %4; ")
                              .arg(x)
                              .arg(y)
                              .arg(a, 6, 16, QChar('0'))
                              .arg(e, 6, 16, QChar('0'));
            ++total;
        }
    if (total)
        report += QString("%1 pixels differ").arg(total);
    return report;
}

#define EXPECT_SAME_IMAGE(actual, expected)                                                        \
    EXPECT_EQ(imageDifference((actual), (expected)).toStdString(), "")
