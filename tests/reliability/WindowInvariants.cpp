#include "reliability/WindowInvariants.h"

#include "app/Form1.h"
#include "platform/TwipGeometry.h"
#include "platform/Twips.h"

namespace
{
void checkRange(QStringList &problems, const char *name, qint64 value, qint64 low, qint64 high)
{
    if (value < low || value > high)
        problems << QStringLiteral("%1 = %2, not in %3..%4")
                        .arg(QLatin1String(name))
                        .arg(value)
                        .arg(low)
                        .arg(high);
}
} // namespace

QStringList stateOutOfRange(const Form1 &w)
{
    QStringList problems;
    checkRange(problems, "red", w.red, 0, 255);
    checkRange(problems, "green", w.green, 0, 255);
    checkRange(problems, "blue", w.blue, 0, 255);
    checkRange(problems, "undoIndex", w.undoIndex, 0, 3);
    checkRange(problems, "currentTool", w.currentTool, 0, 2);
    checkRange(problems, "penWidth", w.penWidth, 1, 40);
    if (w.drawingCount > 0)
        checkRange(problems, "drawingNumber", w.drawingNumber, 1, w.drawingCount);
    if (w.File1.listCount() > 0)
        checkRange(problems, "categoryIndex", w.categoryIndex, 0, w.File1.listCount() - 1);
    if (w.File2.listCount() > 0)
        checkRange(problems, "textureIndex", w.textureIndex, 0, w.File2.listCount() - 1);
    const bool simpleCategory =
        w.categoryBaseName(w.categoryIndex).contains(QLatin1String("peque"));
    if (w.simpleMode != simpleCategory)
        problems << QStringLiteral("simpleMode = %1 in category \"%2\"")
                        .arg(w.simpleMode)
                        .arg(w.categoryBaseName(w.categoryIndex));
    return problems;
}

QSize stretchedCanvasSize(const Form1 &w)
{
    return {qMax(0, twipsToPixels(widthTwips(w.Picture5) - 120)),
            qMax(0, twipsToPixels(heightTwips(w.Picture5) - 120))};
}

QSize naturalCanvasSize(const Form1 &w)
{
    const QImage &drawing = w.Picture8->picture();
    return drawing.isNull() ? stretchedCanvasSize(w) : drawing.size();
}
