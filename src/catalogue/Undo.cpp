#include "app/Form1.h"

#include "platform/Stretch.h"

void Form1::beginDrawingVisit()
{
    shownVisit = DrawingVisit{position.category(), position.drawing(), shownVisit.load + 1};
    fitMemory = {};
}

void Form1::UndoLastStep()
{
    const int slot = undoIndex == 0 ? UndoOrigins::slotCount - 1 : undoIndex - 1;
    // An empty slot, another drawing's snapshot or one already put back would
    // not take back a step of this drawing: the press does nothing.
    if (!undoOrigins.takenOn(slot, shownVisit))
        return;
    undoIndex = static_cast<qint16>(slot);
    undoOrigins.forget(slot);
    const QImage &snapshot = Image1[static_cast<std::size_t>(slot)]->picture();
    const QSize size = Picture1->image().size();
    // A snapshot taken before the fit toggle comes back at the canvas's size.
    if (snapshot.size() == size)
        Picture1->setPicture(snapshot);
    else
        Picture1->setImage(
            stretchImage(snapshot, size.width(), size.height(), StretchMode::Darkest));
    // The eraser and the mosaic lines leave the flag; what undo brings back
    // after them is a colouring to keep.
    drawingChanged = true;
}

void Form1::Command6_Click()
{
    UndoLastStep();
    playSound(QStringLiteral("\\sonidos\\sonido5.wav"));
}
