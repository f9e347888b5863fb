#include "app/Form1.h"

#include "colour/ColourMath.h"
#include "platform/Rounding.h"

namespace
{
constexpr int leftButtonAlone = 1;
} // namespace

void Form1::rememberPoint(float x, float y)
{
    // x is kept as it came; y is rounded to a whole pixel.
    lastPoint = QPointF(x, roundHalfEven(y));
}

void Form1::drawLineFromLastPoint(float x, float y)
{
    // The canvas's line thickness and round ends: segments of a stroke join
    // without gaps, and a line to the same point is a round dot. What a line
    // paints into the canvas's image is kept for undo first.
    if (Picture1->autoRedraw())
        undoHistory.keepLine(Picture1->image(), Picture1->toPixels(lastPoint),
                             Picture1->toPixels(QPointF(x, y)), Picture1->drawWidth());
    Picture1->line(lastPoint, QPointF(x, y), paint.rgb());
}

void Form1::Picture1_MouseMove(int button, int, float x, float y)
{
    if (button != leftButtonAlone || !paint.paintsColour())
        return;
    if (paint.tool() == Tool::Pencil) {
        Picture1->setAutoRedraw(true);
        drawLineFromLastPoint(x, y);
        rememberPoint(x, y);
        Picture1->setAutoRedraw(false);
    } else if (paint.tool() == Tool::Line) {
        // Retained drawing is off since the press: the line goes on the screen
        // only, and the next refresh takes it away again.
        Picture1->refresh();
        drawLineFromLastPoint(x, y);
    }
}

void Form1::Picture1_MouseUp(int button, int, float x, float y)
{
    if (button != leftButtonAlone || !paint.paintsColour() || paint.tool() != Tool::Line)
        return;
    Picture1->setAutoRedraw(true);
    drawLineFromLastPoint(x, y);
    Picture1->setAutoRedraw(false);
    // Drop the last screen-only line: fills repaint only what they change, so
    // a stale line left on the screen would hide what is painted under it.
    Picture1->refresh();
}
