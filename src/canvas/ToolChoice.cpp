#include "app/Form1.h"

#include "platform/TwipGeometry.h"

namespace
{
// The animation of each tool icon, from the application folder.
const char *const toolAnimations[] = {"\\gifs\\pato.gif", "\\gifs\\lapiz.gif", "\\gifs\\recta.gif"};
} // namespace

void Form1::Image2_Click(int index)
{
    Gif89a1->hide();
    // Only the three icons call this; any other index chooses nothing.
    if (index < 0 || index >= static_cast<int>(Image2.size()))
        return;
    const Tool tool = static_cast<Tool>(index);
    paint.chooseTool(tool);
    Gif89a1->setFile(appPath(QString::fromLatin1(toolAnimations[index])),
                     Image2[static_cast<std::size_t>(index)]->size());
    // The animation stands in place of the chosen icon.
    for (std::size_t i = 0; i < Image2.size(); ++i)
        Image2[i]->setVisible(static_cast<int>(i) != index);
    Picture4->setVisible(tool != Tool::Fill); // thickness matters to the pencil and the line
    const ImageHolder *icon = Image2[static_cast<std::size_t>(index)];
    setLeftTwips(Gif89a1, leftTwips(icon));
    setTopTwips(Gif89a1, topTwips(icon));
    Gif89a1->show();
}
