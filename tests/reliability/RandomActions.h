#pragma once

#include <random>

class Form1;

// What a child does in the main window, one action at a time.
enum class Action {
    Fill,         // the fill tool pressed somewhere on (or just off) the canvas
    PencilStroke, // the pencil chosen and dragged
    StraightLine, // the straight-line tool chosen and dragged
    PalettePick,  // a press on the palette
    SwatchPick,   // a press on one of the sixteen shades
    Texture,      // a press on the texture preview, either button
    Thickness,    // a click on the thickness indicator
    Mosaic,       // the mosaic lines button
    NextDrawing,
    PreviousDrawing,
    NextCategory,
    StartAgain,
    Undo,
    FitToggle,
    Save,
    Quit, // the quit button, whose service is replaced: the session goes on
};

const char *actionName(Action action);

// Picks actions at random, painting more often than navigating, as children do.
Action pickAction(std::mt19937 &random);

// Performs one action through the window's handlers and buttons.
void perform(Form1 &w, Action action, std::mt19937 &random);

// True for the actions after which the canvas shows the drawing as the fit
// setting says (they all show a drawing afresh).
bool showsDrawingAfresh(Action action);
