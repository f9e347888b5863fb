#pragma once

#include "colour/ColourMath.h"

#include <QRgb>

// The painting tools, in the order of their icons.
enum class Tool { Fill, Pencil, Line };

// What a press on the canvas paints: the chosen tool in the current colour, or
// (after a press on the texture preview) the texture shown, whatever the tool.
class PaintChoice
{
public:
    Tool tool() const { return chosenTool; }
    Rgb colour() const { return current; }
    QRgb rgb() const { return toQRgb(current.red, current.green, current.blue); }
    // True while presses paint the colour, false while they lay the texture.
    bool paintsColour() const { return colourPainting; }
    // True once the texture preview was pressed: later presses on it step
    // through the textures. A colour pick or a tool choice ends it.
    bool stepsTextures() const { return textureSteps; }
    int texture() const { return textureIndex; }

    // A tool icon was clicked: that tool paints the colour.
    void chooseTool(Tool tool);
    // The current colour, each component kept to 0..255.
    void setColour(Rgb colour);
    // A palette or swatch pick: the colour paints again.
    void paintColour() { colourPainting = true; }
    void stopTextureSteps() { textureSteps = false; }
    // A press on the texture preview with the left (forward) or right (back)
    // button, or with another one (neither). The first press only switches to
    // the texture; later ones step round `count` textures. True when it stepped.
    bool pressTexturePreview(bool forward, bool back, int count);
    // The first texture and the fill tool, in colour: the state at start-up.
    void toStart();

private:
    Tool chosenTool = Tool::Fill;
    Rgb current{255, 0, 0};
    bool colourPainting = true;
    bool textureSteps = false;
    int textureIndex = 0;
};
