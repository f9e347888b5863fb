#include "app/Form1.h"

#include "canvas/CursorTemplate.h"
#include "canvas/PictureToIcon.h"
#include "colour/Indicator.h"
#include "platform/PictureIO.h"
#include "platform/TwipGeometry.h"

// The colour, tool and layout controls get ready in two blocks of start-up:
// block A before the first drawing is shown, block B after it. Each step that
// fails is skipped and the next one runs.

namespace
{
// The cursor template area is a little larger than its placed size, yet
// smaller than the arrow picture: the cursor is made from its top-left part.
constexpr int templateGrowthTwips = 25;
} // namespace

void Form1::StartUpBlockA()
{
    Picture7->setDrawingUnit(PictureArea::Unit::Twips);

    // Picture areas always fill solidly, so the template needs only its unit.
    Picture3->setDrawingUnit(PictureArea::Unit::Pixels);
    setWidthTwips(Picture3, widthTwips(Picture3) + templateGrowthTwips);
    setHeightTwips(Picture3, heightTwips(Picture3) + templateGrowthTwips);
    // Given after the size, so that the area's image is cut from the whole arrow.
    Picture3->setPicture(makeCursorTemplate());

    ArrangeControls();
    Picture4->hide();
    FillShadeSwatches();
}

void Form1::StartUpBlockB()
{
    penWidth = PenWidth();
    drawIndicatorStartImage(*Picture4);

    // Without the texture folder the preview stays empty.
    if (File2.setPath(appPath(QStringLiteral("\\texturas")))) {
        const QImage texture = loadPicture(File2.entryPath(paint.texture()));
        if (!texture.isNull())
            Picture7->setPicture(texture);
    }

    // The first cursor is the template's red arrow as it stands, scaled by area
    // average; later recolourings use another stretch mode.
    const QCursor cursor = PictureToIcon(Picture3->image(), 0, 0, 4, 0, 0xFFFFFF);
    Image4->setPicture(cursor.pixmap().toImage());
    Picture1->setCustomCursor(cursor);

    LoadToolIcons();
    Gif89a1->setFile(appPath(QStringLiteral("\\gifs\\pato.gif")), Image2[0]->size());
}
