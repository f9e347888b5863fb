#include "app/Form1.h"

namespace
{
std::array<const QImage *, UndoOrigins::slotCount>
ringPictures(const std::array<ImageHolder *, 4> &ring)
{
    std::array<const QImage *, UndoOrigins::slotCount> pictures{};
    for (std::size_t i = 0; i < ring.size(); ++i)
        pictures[i] = &ring[i]->picture();
    return pictures;
}
} // namespace

void Form1::beginDrawingVisit()
{
    // Snapshots taken until now belong to the drawing being left.
    undoOrigins.look(ringPictures(Image1), shownVisit);
    shownVisit = DrawingVisit{categoryIndex, drawingNumber, shownVisit.load + 1};
}

void Form1::UndoLastStep()
{
    --undoIndex;
    if (undoIndex == -1)
        undoIndex = 3;
    undoOrigins.look(ringPictures(Image1), shownVisit);
    // An empty slot, or another drawing's snapshot, would destroy this drawing.
    if (!undoOrigins.takenOn(undoIndex, shownVisit))
        return;
    Picture1->setPicture(Image1[static_cast<std::size_t>(undoIndex)]->picture());
}

void Form1::Command6_Click()
{
    UndoLastStep();
    playSound(QStringLiteral("\\sonidos\\sonido5.wav"));
}
