#pragma once

#include "app/Form1.h"
#include "support/RecordingSoundPlayer.h"
#include "support/TempAppFolder.h"

#include <gtest/gtest.h>
#include <memory>

// A main window on an application folder that the test fills first.
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
    // Laid out for a screen of the given size in pixels of 15 twips (0: the real one).
    Form1 &loadOnScreen(int widthPixels, int heightPixels)
    {
        window = std::make_unique<Form1>(app.path());
        // The screen the window is designed for, whatever screen the tests have:
        // a smaller one would shrink the window and its pictures.
        window->screenSizeTwips = [=] {
            return widthPixels > 0 ? QSize(widthPixels * 15, heightPixels * 15) : QSize(15360, 11520);
        };
        window->setSoundPlayer(std::make_unique<RecordingSoundPlayer>(sounds));
        window->showMessage = [this](const QString &text) { messages.append(text); };
        window->Form_Load();
        return *window;
    }

    static void setColour(Form1 &w, QRgb colour)
    {
        w.red = qRed(colour);
        w.green = qGreen(colour);
        w.blue = static_cast<qint16>(qBlue(colour));
    }
    static QImage canvas(const Form1 &w)
    {
        return w.Picture1->image().convertToFormat(QImage::Format_RGB32);
    }
    // What the canvas shows: its image and what was drawn over it for the screen only.
    static QImage screen(Form1 &w)
    {
        return w.Picture1->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    TempAppFolder app;
    std::unique_ptr<Form1> window;
    std::shared_ptr<QStringList> sounds = std::make_shared<QStringList>();
    QStringList messages;
};
