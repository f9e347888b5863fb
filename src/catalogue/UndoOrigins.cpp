#include "catalogue/UndoOrigins.h"

void UndoOrigins::record(int slot, const DrawingVisit &visit)
{
    if (slot >= 0 && slot < slotCount)
        origins[static_cast<std::size_t>(slot)] = visit;
}

void UndoOrigins::forget(int slot)
{
    if (slot >= 0 && slot < slotCount)
        origins[static_cast<std::size_t>(slot)].reset();
}

bool UndoOrigins::takenOn(int slot, const DrawingVisit &visit) const
{
    if (slot < 0 || slot >= slotCount)
        return false;
    const std::optional<DrawingVisit> &origin = origins[static_cast<std::size_t>(slot)];
    return origin && *origin == visit;
}
