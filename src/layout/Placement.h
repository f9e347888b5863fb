#pragma once

#include <QSize>

#include <array>

// Places of the main window's controls, in twips. The window covers the whole
// screen, so its origin is the screen's top-left corner.
struct TwipRect {
    int left = 0, top = 0, width = 0, height = 0;
    int right() const;
    int bottom() const;
};

// One rectangle per control of the main window that the start-up layout reads
// or moves; members carry the controls' own names.
struct MainWindowGeometry {
    TwipRect Command1, Command2, Command3, Command4, Command5, Command6;
    TwipRect Command7, Command8, Command9, Command10, Command11;
    std::array<TwipRect, 16> Picture2; // shade strip
    TwipRect Picture4;                 // line-thickness indicator
    TwipRect Picture5;                 // canvas frame
    TwipRect Picture6;                 // palette image
    TwipRect Picture7;                 // texture preview
    std::array<TwipRect, 3> Image2;    // tool icons: fill, pencil, line
    TwipRect Gif89a1;                  // animated tool picture
};

// The sizes and places the window is designed with, before the screen is known.
MainWindowGeometry designGeometry();

// The screen the window is designed for: 1024 x 768 pixels of 15 twips.
constexpr int designScreenWidthTwips = 15360;
constexpr int designScreenHeightTwips = 11520;

// How much a screen narrower or lower than the design screen shrinks the
// window's places and sizes: 1 on that screen and on every larger one.
double layoutScale(int screenWidthTwips, int screenHeightTwips);

// The placement rules below for any screen. On a screen smaller than the design
// screen they run on the screen enlarged by 1 / layoutScale, where nothing
// overlaps, and every place and size is then shrunk back by that factor; on
// the design screen and larger ones this is arrangeControls itself.
MainWindowGeometry arrangeControlsForScreen(const MainWindowGeometry &geometry,
                                            int screenWidthTwips, int screenHeightTwips);

// Moves and sizes the controls for a screen of the given size in twips: a palette
// column on the left, a tool column on the right, a row of buttons and swatches
// at the bottom and the canvas frame taking the rest. The rules are applied
// unchanged whatever the screen; on small screens controls may overlap.
MainWindowGeometry arrangeControls(MainWindowGeometry geometry, int screenWidthTwips,
                                   int screenHeightTwips);

// The size in pixels of the canvas that a stretched drawing fills (the canvas
// frame less 120 twips across and down, as ShowDrawing sizes it) on a screen
// of the given size in pixels at 96 dots per inch (15 twips per pixel).
QSize stretchedCanvasPixels(QSize screenPixels);
