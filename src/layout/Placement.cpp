#include "layout/Placement.h"

#include <algorithm>
#include <cmath>

int TwipRect::right() const
{
    return left + width;
}
int TwipRect::bottom() const
{
    return top + height;
}

namespace
{

TwipRect sized(int width, int height)
{
    return TwipRect{0, 0, width, height};
}

void placeAt(TwipRect &control, int left, int top)
{
    control.left = left;
    control.top = top;
}

// Command1, 2, 4, 5 and 6 take Command3's size whatever they were designed with.
void sizeBottomButtons(MainWindowGeometry &g)
{
    for (TwipRect *button : {&g.Command1, &g.Command2, &g.Command4, &g.Command5, &g.Command6}) {
        button->width = g.Command3.width;
        button->height = g.Command3.height;
    }
}

void placeToolColumn(MainWindowGeometry &g, int screenWidthTwips)
{
    placeAt(g.Image2[0], screenWidthTwips - g.Image2[0].width - 40, 40);
    // The animated picture lies over the fill-tool icon.
    placeAt(g.Gif89a1, g.Image2[0].left, g.Image2[0].top);
    placeAt(g.Image2[1], g.Image2[0].left, g.Image2[0].bottom() + 40);
    placeAt(g.Image2[2], g.Image2[0].left, g.Image2[1].bottom() + 40);
    placeAt(g.Picture4, g.Image2[0].left + 100, g.Image2[2].bottom() + 100);
    placeAt(g.Command7, g.Picture4.left, g.Picture4.bottom() + 100);
    placeAt(g.Command8, g.Command7.left, g.Command7.bottom() + 20);
    placeAt(g.Command9, g.Command8.left, g.Command8.bottom() + 20);
}

void placeCanvasFrame(MainWindowGeometry &g, int screenWidthTwips, int screenHeightTwips)
{
    placeAt(g.Picture5, g.Picture6.right() + 25, 25);
    g.Picture5.height = screenHeightTwips - g.Command3.height - 75;
    // An inch of room for the tool column.
    g.Picture5.width = screenWidthTwips - g.Picture5.left - 1440 - 25;
}

void placeButtonsFromLeft(MainWindowGeometry &g, int row)
{
    placeAt(g.Command5, g.Picture5.left, row);
    placeAt(g.Command3, g.Command5.right(), row);
    placeAt(g.Command4, g.Command3.right(), row);
}

void placeButtonsFromRight(MainWindowGeometry &g, int row, int screenHeightTwips)
{
    placeAt(g.Command2, g.Picture5.right() - g.Command2.width, row);
    // The texture preview sits on the screen's bottom edge, not on the row.
    placeAt(g.Picture7, g.Command2.right() + 10, screenHeightTwips - g.Picture7.height);
    placeAt(g.Command1, g.Command2.left - g.Command2.width, row);
    placeAt(g.Command6, g.Command1.left - g.Command1.width, row);
}

// Eight swatches side by side from Command4's right, each keeping its own width.
void placeSwatchStrip(MainWindowGeometry &g, int first, int top)
{
    int left = g.Command4.right() + 25;
    for (int i = first; i < first + 8; ++i) {
        g.Picture2[i].height = 500;
        placeAt(g.Picture2[i], left, top);
        left = g.Picture2[i].right();
    }
}

void placeSwatchesAndSaving(MainWindowGeometry &g, int row)
{
    placeSwatchStrip(g, 0, row + g.Command4.height / 2);
    placeAt(g.Command10, g.Picture2[7].right() + 300, row);
    placeAt(g.Command11, g.Command10.right() + 50, row);
    placeSwatchStrip(g, 8, row);
}

// A place and size multiplied by a factor per direction; edges, not widths,
// are rounded, so controls that touch stay touching.
TwipRect scaled(const TwipRect &r, double x, double y)
{
    const auto at = [](int twips, double factor) {
        return static_cast<int>(std::lround(twips * factor));
    };
    const int left = at(r.left, x);
    const int top = at(r.top, y);
    return TwipRect{left, top, at(r.right(), x) - left, at(r.bottom(), y) - top};
}

template <std::size_t N> void scaleEach(std::array<TwipRect, N> &rects, double x, double y)
{
    for (TwipRect &r : rects)
        r = scaled(r, x, y);
}

void scaleAll(MainWindowGeometry &g, double x, double y)
{
    for (TwipRect *r :
         {&g.Command1, &g.Command2, &g.Command3, &g.Command4, &g.Command5, &g.Command6, &g.Command7,
          &g.Command8, &g.Command9, &g.Command10, &g.Command11, &g.Picture4, &g.Picture5,
          &g.Picture6, &g.Picture7, &g.Gif89a1})
        *r = scaled(*r, x, y);
    scaleEach(g.Picture2, x, y);
    scaleEach(g.Image2, x, y);
}

} // namespace

double layoutScale(int screenWidthTwips, int screenHeightTwips)
{
    return std::min({1.0, double(screenWidthTwips) / designScreenWidthTwips,
                     double(screenHeightTwips) / designScreenHeightTwips});
}

MainWindowGeometry arrangeControlsForScreen(const MainWindowGeometry &geometry,
                                            int screenWidthTwips, int screenHeightTwips)
{
    const double scale = layoutScale(screenWidthTwips, screenHeightTwips);
    if (scale >= 1 || scale <= 0)
        return arrangeControls(geometry, screenWidthTwips, screenHeightTwips);
    const int roomyWidth = static_cast<int>(std::lround(screenWidthTwips / scale));
    const int roomyHeight = static_cast<int>(std::lround(screenHeightTwips / scale));
    MainWindowGeometry g = arrangeControls(geometry, roomyWidth, roomyHeight);
    // Back to the screen, each direction exactly: the right and bottom edges
    // of the enlarged screen fall on the real screen's.
    scaleAll(g, double(screenWidthTwips) / roomyWidth, double(screenHeightTwips) / roomyHeight);
    return g;
}

MainWindowGeometry designGeometry()
{
    MainWindowGeometry g;
    g.Command3 = sized(975, 1000);
    // Buttons placed here without a size of their own: Command1, 2, 4, 5 and 6
    // take Command3's size at start-up anyway; Command9 stands in the column of
    // Command7 and Command8 and Command11 beside Command10, so they match them.
    for (TwipRect *button : {&g.Command1, &g.Command2, &g.Command4, &g.Command5, &g.Command6})
        *button = sized(975, 1000);
    g.Command7 = sized(1095, 1095);
    g.Command8 = sized(1095, 1095);
    g.Command9 = sized(1095, 1095);
    g.Command10 = sized(975, 975);
    g.Command11 = sized(975, 975);
    g.Picture4 = sized(975, 975);
    // The layout never reads the palette image's height; this is about the
    // canvas frame's height on a 1024 x 768 screen.
    g.Picture6 = sized(1380, 10470);
    g.Picture7 = sized(1455, 1095);
    g.Image2 = {sized(1350, 1365), sized(1110, 1815), sized(1410, 1215)};
    // The animated picture covers the fill-tool icon, so it has its size.
    g.Gif89a1 = sized(1350, 1365);
    // Swatch height is set at start-up; 500 is what it becomes.
    g.Picture2.fill(sized(495, 500));
    // Picture5 is given its place and size entirely at start-up.
    return g;
}

MainWindowGeometry arrangeControls(MainWindowGeometry geometry, int screenWidthTwips,
                                   int screenHeightTwips)
{
    MainWindowGeometry &g = geometry;
    sizeBottomButtons(g);
    placeToolColumn(g, screenWidthTwips);
    placeCanvasFrame(g, screenWidthTwips, screenHeightTwips);
    // Positions are whole twips here, so the frame's bottom needs no rounding.
    const int row = g.Picture5.bottom() + 25;
    placeButtonsFromLeft(g, row);
    placeButtonsFromRight(g, row, screenHeightTwips);
    placeSwatchesAndSaving(g, row);
    return geometry;
}

QSize stretchedCanvasPixels(QSize screenPixels)
{
    constexpr int twipsPerPixel = 15;
    const TwipRect frame = arrangeControls(designGeometry(), screenPixels.width() * twipsPerPixel,
                                           screenPixels.height() * twipsPerPixel)
                               .Picture5;
    const auto pixels = [](int twips) {
        return (twips + twipsPerPixel / 2) / twipsPerPixel; // to the nearest pixel
    };
    return {pixels(frame.width - 120), pixels(frame.height - 120)};
}
