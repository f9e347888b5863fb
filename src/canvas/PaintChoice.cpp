#include "canvas/PaintChoice.h"

#include <algorithm>

void PaintChoice::chooseTool(Tool tool)
{
    chosenTool = tool;
    colourPainting = true;
    textureSteps = false;
}

void PaintChoice::setColour(Rgb colour)
{
    current = {std::clamp(colour.red, 0, 255), std::clamp(colour.green, 0, 255),
               std::clamp(colour.blue, 0, 255)};
}

bool PaintChoice::pressTexturePreview(bool forward, bool back, int count)
{
    colourPainting = false;
    const bool steps = textureSteps && (forward || back) && count > 0;
    textureSteps = true;
    if (!steps)
        return false;
    textureIndex = forward ? (textureIndex + 1 >= count ? 0 : textureIndex + 1)
                           : (textureIndex - 1 < 0 ? count - 1 : textureIndex - 1);
    return true;
}

void PaintChoice::toStart()
{
    *this = PaintChoice();
}
