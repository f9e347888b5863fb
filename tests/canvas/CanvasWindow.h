#pragma once

#include "support/MainWindowFixture.h"

#include <QCoreApplication>
#include <QMouseEvent>

// A main window whose canvas shows a picture made by the test, painting blue.
class CanvasWindow : public MainWindowFixture
{
protected:
    Form1 &loadWithCanvas(const QImage &picture)
    {
        writeTwoCategories();
        Form1 &w = load();
        w.Picture1->setPicture(picture);
        setColour(w, qRgb(0, 0, 255));
        return w;
    }

    // A mouse event as the platform delivers it, the buttons held given as the
    // program codes them (1 left, 2 right, 4 middle).
    void sendMouse(QEvent::Type type, int buttons, QPointF at) const
    {
        const Qt::MouseButtons held = Qt::MouseButtons::fromInt(
            (buttons & 1 ? int(Qt::LeftButton) : 0) | (buttons & 2 ? int(Qt::RightButton) : 0) |
            (buttons & 4 ? int(Qt::MiddleButton) : 0));
        const auto changed = type == QEvent::MouseMove
                                 ? Qt::NoButton
                                 : static_cast<Qt::MouseButton>(held.toInt() & -held.toInt());
        QMouseEvent event(type, at, window->Picture1->mapToGlobal(at), changed, held, {});
        QCoreApplication::sendEvent(window->Picture1, &event);
    }

    // One painting step was taken: undo would give back the canvas as it was before.
    static void expectOneStep(const Form1 &w, const QImage &before)
    {
        EXPECT_EQ(w.undoHistory.size(), 1);
        EXPECT_TRUE(w.drawingChanged);
        UndoHistory history = w.undoHistory;
        QImage undone = w.Picture1->image().copy();
        EXPECT_TRUE(history.undo(undone, w.shownVisit) && sameImage(undone, before));
        EXPECT_FALSE(w.Picture1->autoRedraw()) << "retained drawing left on";
    }
};
