#include "app/Form1.h"

#include "colour/ColourMath.h"
#include "colour/Indicator.h"
#include "platform/ClipboardPicture.h"

#include <QClipboard>
#include <QGuiApplication>

namespace
{
const char *const pickSound = "\\sonidos\\sonido4.wav";

// The colour under the mouse packed as the program keeps colours (red in the
// low byte), or -1 where the area has no pixel.
qint64 packedColourAt(const PictureArea &area, float x, float y)
{
    const qint64 pixel = area.point(QPointF(x, y));
    if (pixel < 0)
        return -1;
    const Rgb rgb = fromQRgb(static_cast<QRgb>(pixel));
    return packColour(rgb.red, rgb.green, rgb.blue);
}
} // namespace

void Form1::Picture6_mousedown(int, int, float x, float y)
{
    const qint64 colour = packedColourAt(*Picture6, x, y);
    // A press that reads no pixel of the palette picks nothing.
    if (colour < 0)
        return;
    pickedColour = colour;
    const Rgb picked = splitPackedColour(pickedColour);
    Picture1->setFillColor(toQRgb(picked.red, picked.green, picked.blue));
    // An area filled pure black would join the drawing's lines and the next fill
    // would run along them; the nearly black (1, 1, 1) looks the same and does not.
    const Rgb current = afterPalettePick(picked);
    red = current.red;
    green = current.green;
    blue = static_cast<qint16>(current.blue);
    FillShadeSwatches();
    paintIndicatorDot(*Picture4, toQRgb(red, green, blue));
    playSound(QString::fromLatin1(pickSound));
    UpdateColourCursor();
    fillWithColour = true;
}

void Form1::picture2_MouseDown(int index, int, int, float x, float y)
{
    if (index < 0 || index >= static_cast<int>(Picture2.size()))
        return;
    const qint64 colour = packedColourAt(*Picture2[static_cast<std::size_t>(index)], x, y);
    if (colour < 0)
        return;
    pickedColour = colour;
    const Rgb picked = splitPackedColour(pickedColour);
    Picture1->setFillColor(toQRgb(picked.red, picked.green, picked.blue));
    paintIndicatorDot(*Picture4, toQRgb(picked.red, picked.green, picked.blue));
    playSound(QString::fromLatin1(pickSound));
    // Only the components change: the fill colour and the dot stay as picked,
    // and the tools repaint from the components.
    const Rgb current = afterSwatchPick(picked, simpleMode);
    red = current.red;
    green = current.green;
    blue = static_cast<qint16>(current.blue);
    UpdateColourCursor();
    fillWithColour = true;
}

void Form1::FillShadeSwatches()
{
    const std::array<Rgb, 16> shades = shadeSwatchColours(red, green, blue);
    for (loopIndex = 0; loopIndex < static_cast<int>(Picture2.size()); ++loopIndex) {
        const Rgb &shade = shades[static_cast<std::size_t>(loopIndex)];
        Picture2[static_cast<std::size_t>(loopIndex)]->setBackColor(
            toQRgb(shade.red, shade.green, shade.blue));
    }
}

void Form1::Picture6_DblClick()
{
    // Without a clipboard there is nothing to copy to; no message either way.
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return;
    clipboard->clear();
    clipboard->setMimeData(clipboardPicture(Picture1->image()));
}
