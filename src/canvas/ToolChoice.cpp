#include "app/Form1.h"

#include "platform/TwipGeometry.h"

namespace
{
// The animation of each tool icon, from the application folder.
const char *const toolAnimations[] = {"\\gifs\\pato.gif", "\\gifs\\lapiz.gif", "\\gifs\\recta.gif"};
} // namespace

void Form1::Image2_Click(int index)
{
    fillWithColour = true;
    textureActive = false;
    Gif89a1->hide();
    lastToolIconIndex = 2;
    const bool knownTool = index >= 0 && index <= lastToolIconIndex;
    if (knownTool) {
        Gif89a1->setFile(appPath(QString::fromLatin1(toolAnimations[index])),
                         Image2[static_cast<std::size_t>(index)]->size());
        // The animation stands in place of the chosen icon.
        for (loopIndex = 0; loopIndex <= lastToolIconIndex; ++loopIndex)
            Image2[static_cast<std::size_t>(loopIndex)]->setVisible(loopIndex != index);
        Picture4->setVisible(index != 0); // thickness matters to the pencil and the line
    }
    currentTool = index;
    if (!knownTool)
        return;
    const ImageHolder *icon = Image2[static_cast<std::size_t>(index)];
    setLeftTwips(Gif89a1, leftTwips(icon));
    setTopTwips(Gif89a1, topTwips(icon));
    Gif89a1->show();
}
