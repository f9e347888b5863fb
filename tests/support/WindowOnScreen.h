#pragma once

#include "support/MainWindowFixture.h"

#include <QImage>
#include <QSize>

// A main window whose start-up lays it out for a screen of the given size,
// whatever screen the tests run on. Sizes are in pixels of 15 twips.
class WindowOnScreen : public MainWindowFixture
{
protected:
    Form1 &loadOnScreen(int widthPixels, int heightPixels)
    {
        window = std::make_unique<Form1>(app.path());
        const QSize twips(widthPixels * 15, heightPixels * 15);
        window->screenSizeTwips = [twips] { return twips; };
        window->setSoundPlayer(std::make_unique<RecordingSoundPlayer>(sounds));
        window->showMessage = [this](const QString &text) { messages.append(text); };
        window->Form_Load();
        return *window;
    }
};

// A picture of one plain colour.
inline QImage plainPicture(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}
