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
    // Two categories: "animales" with three drawings, "pequenos" with two.
    void writeTwoCategories()
    {
        app.writePicture("logos/animales.gif", QImage(65, 67, QImage::Format_RGB32));
        app.writePicture("logos/pequenos.gif", QImage(65, 67, QImage::Format_RGB32));
        for (int n = 1; n <= 3; ++n)
            app.writePicture(QString("dibujos/animales/%1.gif").arg(n), lineDrawing(60, 40, n));
        for (int n = 1; n <= 2; ++n)
            app.writePicture(QString("dibujos/pequenos/%1.gif").arg(n), lineDrawing(50, 30, n));
    }

    void setting(const QString &name, const QByteArray &content)
    {
        app.writeText("configuracion/" + name, content);
    }

    Form1 &load()
    {
        window = std::make_unique<Form1>(app.path());
        // The screen the window is designed for, whatever screen the tests have:
        // a smaller one would shrink the window and its pictures.
        window->screenSizeTwips = [] { return QSize(15360, 11520); };
        window->setSoundPlayer(std::make_unique<RecordingSoundPlayer>(sounds));
        window->showMessage = [this](const QString &text) { messages.append(text); };
        window->Form_Load();
        return *window;
    }

    TempAppFolder app;
    std::unique_ptr<Form1> window;
    std::shared_ptr<QStringList> sounds = std::make_shared<QStringList>();
    QStringList messages;
};
