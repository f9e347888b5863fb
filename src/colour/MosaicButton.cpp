#include "app/Form1.h"

#include "colour/MosaicLines.h"
#include "platform/Random.h"

namespace
{
// Nearly white: the lines stop a surface fill yet hardly show on the paper.
constexpr QRgb mosaicLineColour = 0xFFFBFBFB;
} // namespace

void Form1::Command9_Click()
{
    const int width = static_cast<int>(Picture1->scaleWidth());
    const int height = static_cast<int>(Picture1->scaleHeight());
    const std::array<QLine, 10> lines = mosaicLines(width, height, &ProgramRandom::next);
    // Retained, so the lines become part of the drawing: one undo press takes
    // them away. They do not mark the drawing as changed: only colouring does.
    keepUndoSnapshot();
    for (const QLine &line : lines) {
        undoHistory.keepLine(Picture1->image(), Picture1->toPixels(line.p1()),
                             Picture1->toPixels(line.p2()), Picture1->drawWidth());
        Picture1->setAutoRedraw(true);
        Picture1->line(line.p1(), line.p2(), mosaicLineColour);
        Picture1->setAutoRedraw(false);
    }
}
