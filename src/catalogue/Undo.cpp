#include "app/Form1.h"

void Form1::beginDrawingVisit()
{
    shownVisit = DrawingVisit{categoryIndex, drawingNumber, shownVisit.load + 1};
}

void Form1::UndoLastStep()
{
    --undoIndex;
    if (undoIndex == -1)
        undoIndex = 3;
    // An empty slot, or another drawing's snapshot, would destroy this drawing;
    // so would a snapshot of another size, taken before the fit toggle.
    const QImage &snapshot = Image1[static_cast<std::size_t>(undoIndex)]->picture();
    if (!undoOrigins.takenOn(undoIndex, shownVisit) || snapshot.size() != Picture1->image().size())
        return;
    Picture1->setPicture(snapshot);
}

void Form1::Command6_Click()
{
    UndoLastStep();
    playSound(QStringLiteral("\\sonidos\\sonido5.wav"));
}
