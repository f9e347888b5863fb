#include "canvas/FloodFill.h"
#include "support/MainWindowFixture.h"

#include <QPushButton>
#include <QSet>

namespace
{
// Orange and teal share the bits of a third colour: a stretch that mixed
// pixels would show it.
constexpr QRgb orange = 0xFFE0A000, teal = 0xFF00A0E0, green = 0xFF00C000;

// The middle of one of the four closed areas of the line drawing.
QPoint inArea(const Form1 &w, int column, int row)
{
    const QSize size = w.Picture1->image().size();
    return {size.width() * (column * 2 + 1) / 4, size.height() * (row * 2 + 1) / 4};
}
} // namespace

using FitToggleColouring = MainWindowFixture;

TEST_F(FitToggleColouring, KeepsTheColouringAndGivesTheCanvasBackExactly)
{
    writeTwoCategories(); // the first drawing is 60 x 40 pixels, four closed areas
    for (const char *fit : {"NO", "SI"}) {
        SCOPED_TRACE(fit);
        setting("adaptar.txt", fit);
        Form1 &w = load();
        fillAt(w, inArea(w, 0, 0), orange);
        const QImage coloured = canvas(w);

        w.Command7->click();
        ASSERT_NE(canvas(w).size(), coloured.size());
        EXPECT_EQ(canvas(w).pixel(inArea(w, 0, 0)), orange) << "carried to the other size";
        w.Command7->click();
        EXPECT_EQ(canvas(w), coloured) << "twice gives back the canvas, pixel for pixel";

        // Painted at the other size: both colourings come back, in exact colours,
        // and the outlines still close every area.
        w.Command7->click();
        fillAt(w, inArea(w, 1, 1), teal);
        w.Command7->click();
        const QImage back = canvas(w);
        ASSERT_EQ(back.size(), coloured.size());
        EXPECT_EQ(back.pixel(inArea(w, 0, 0)), orange);
        EXPECT_EQ(back.pixel(inArea(w, 1, 1)), teal);
        QSet<QRgb> colours;
        for (int i = 0; i < back.width() * back.height(); ++i)
            colours.insert(back.pixel(i % back.width(), i / back.width()));
        EXPECT_EQ(colours, (QSet<QRgb>{0xFFFFFFFF, 0xFF000000, orange, teal}));
        QImage probe = back;
        floodFillBorder(probe, inArea(w, 1, 0), qRgb(0, 0, 0), green);
        for (const QPoint other : {inArea(w, 0, 0), inArea(w, 0, 1), inArea(w, 1, 1)})
            EXPECT_EQ(probe.pixel(other), back.pixel(other));
    }
}
