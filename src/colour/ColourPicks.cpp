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
    const Rgb picked = splitPackedColour(colour);
    Picture1->setFillColor(toQRgb(picked.red, picked.green, picked.blue));
    // An area filled pure black would join the drawing's lines and the next fill
    // would run along them; the nearly black (1, 1, 1) looks the same and does not.
    paint.setColour(afterPalettePick(picked));
    FillShadeSwatches();
    paintIndicatorDot(*Picture4, paint.rgb());
    playSound(QString::fromLatin1(pickSound));
    UpdateColourCursor();
    paint.paintColour();
}

void Form1::picture2_MouseDown(int index, int, int, float x, float y)
{
    if (index < 0 || index >= static_cast<int>(Picture2.size()))
        return;
    const qint64 colour = packedColourAt(*Picture2[static_cast<std::size_t>(index)], x, y);
    if (colour < 0)
        return;
    const Rgb picked = splitPackedColour(colour);
    Picture1->setFillColor(toQRgb(picked.red, picked.green, picked.blue));
    paintIndicatorDot(*Picture4, toQRgb(picked.red, picked.green, picked.blue));
    playSound(QString::fromLatin1(pickSound));
    // Only the components change: the fill colour and the dot stay as picked,
    // and the tools repaint from the components.
    paint.setColour(afterSwatchPick(picked, simpleMode));
    UpdateColourCursor();
    paint.paintColour();
}

void Form1::FillShadeSwatches()
{
    const Rgb colour = paint.colour();
    const std::array<Rgb, 16> shades = shadeSwatchColours(colour.red, colour.green, colour.blue);
    for (std::size_t i = 0; i < Picture2.size(); ++i)
        Picture2[i]->setBackColor(toQRgb(shades[i].red, shades[i].green, shades[i].blue));
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
