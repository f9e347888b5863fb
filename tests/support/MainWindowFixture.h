#pragma once

#include "app/Form1.h"
#include "support/RecordingSoundPlayer.h"
#include "support/TempAppFolder.h"
#include "support/WindowAccess.h"

#include <QFileInfo>
#include <gtest/gtest.h>
#include <memory>

// A main window on an application folder that the test fills first, with
// helpers to paint on its canvas and to read the files it writes.
class MainWindowFixture : public ::testing::Test
{
protected:
    // Category "name" with `count` drawings of w x h, drawing n marked n, and a
    // logo of one colour.
    void writeCategory(const QString &name, int count, QRgb logoColour = qRgb(200, 100, 0),
                       int w = 60, int h = 40)
    {
        app.writePicture("logos/" + name + ".gif", plainPicture(20, 20, logoColour));
        for (int n = 1; n <= count; ++n)
            app.writePicture(QString("dibujos/%1/%2.gif").arg(name).arg(n), lineDrawing(w, h, n));
    }
    // "animales" with three drawings, and the simple category "pequenos" with two.
    void writeTwoCategories()
    {
        writeCategory("animales", 3);
        writeCategory("pequenos", 2, qRgb(200, 100, 0), 50, 30);
    }
    void setting(const QString &name, const QByteArray &text)
    {
        app.writeText("configuracion/" + name, text);
    }

    Form1 &load() { return loadOnScreen(0, 0); }
    // Laid out for a screen of the given size in pixels of 15 twips (0: the
    // 1024 x 768 screen the window is made for, whatever screen the tests have).
    Form1 &loadOnScreen(int widthPixels, int heightPixels)
    {
        window = std::make_unique<Form1>(app.path());
        window->screenSizeTwips = [=] {
            return widthPixels > 0 ? QSize(widthPixels * 15, heightPixels * 15)
                                   : QSize(15360, 11520);
        };
        window->setSoundPlayer(std::make_unique<RecordingSoundPlayer>(sounds));
        window->showMessage = [this](const QString &text) { messages.append(text); };
        window->Form_Load();
        return *window;
    }
    // Two categories, the canvas showing a picture made by the test, painting blue.
    Form1 &loadWithCanvas(const QImage &picture)
    {
        writeTwoCategories();
        Form1 &w = load();
        w.Picture1->setPicture(picture);
        setColour(w, qRgb(0, 0, 255));
        return w;
    }

    static void setColour(Form1 &w, QRgb colour)
    {
        WindowAccess::paint(w).setColour({qRed(colour), qGreen(colour), qBlue(colour)});
    }
    static QImage rgb(const QImage &image) { return image.convertToFormat(QImage::Format_RGB32); }
    static QImage canvas(const Form1 &w) { return rgb(w.Picture1->image()); }
    // What the canvas shows: its image and what was drawn over it for the screen only.
    static QImage screen(Form1 &w) { return rgb(w.Picture1->grab().toImage()); }

    // One painting step: the tools' undo snapshot, then a 3 x 3 block of colour.
    static void paintStep(Form1 &w, QPoint at, QRgb colour)
    {
        w.SaveUndoStep();
        for (int i = 0; i < 9; ++i)
            w.Picture1->image().setPixel(at + QPoint(i % 3, i / 3), colour | 0xFF000000);
        w.Picture1->imageChanged(QRect(at, QSize(3, 3)));
    }
    // A press and release of the chosen tool in a colour.
    static void fillAt(Form1 &w, QPoint at, QRgb colour)
    {
        setColour(w, colour);
        w.Picture1_Mousedown(1, 0, float(at.x()), float(at.y()));
        w.Picture1_MouseUp(1, 0, float(at.x()), float(at.y()));
    }

    // Once every kept colouring handed to the disk is there.
    QImage fileImage(const QString &relative) const
    {
        if (window)
            window->keptColourings.waitFor();
        return rgb(QImage(app.file(relative)));
    }
    QStringList soundNames() const
    {
        QStringList names;
        for (const QString &path : *sounds)
            names << QFileInfo(path).fileName();
        return names;
    }

    TempAppFolder app;
    std::unique_ptr<Form1> window;
    std::shared_ptr<QStringList> sounds = std::make_shared<QStringList>();
    QStringList messages;
};
