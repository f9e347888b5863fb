#include "app/Form1.h"

void Form1::beginDrawingVisit()
{
    shownVisit = DrawingVisit{position.category(), position.drawing(), shownVisit.load + 1};
    fitMemory = {};
    undoHistory.dropOtherVisits(shownVisit);
}

void Form1::UndoLastStep()
{
    // With no step of this visit of this drawing left, the press does nothing.
    if (!undoHistory.undo(Picture1->image(), shownVisit))
        return;
    Picture1->refresh();
    // The eraser and the mosaic lines leave the flag; what undo brings back
    // after them is a colouring to keep.
    drawingChanged = true;
}

void Form1::Command6_Click()
{
    UndoLastStep();
    playSound(QStringLiteral("\\sonidos\\sonido5.wav"));
}
