#include "app/Form1.h"

#include "platform/PictureIO.h"

namespace
{
constexpr int leftButton = 1;
constexpr int rightButton = 2;
} // namespace

void Form1::Picture7_MouseDown(int button, int, float, float)
{
    // The animation goes, so every tool icon shows again and can be pressed:
    // none is left hidden behind an animation that is no longer there.
    for (ImageHolder *icon : Image2)
        icon->show();
    Gif89a1->hide();
    // The first press after a colour pick or a tool choice only switches to
    // texture filling; later ones step through the list, wrapping round.
    if (paint.pressTexturePreview(button == leftButton, button == rightButton, File2.listCount())) {
        // A file that is no picture leaves the preview as it was.
        const QImage texture = loadPicture(File2.entryPath(paint.texture()));
        if (!texture.isNull())
            Picture7->setPicture(texture);
    }
}
