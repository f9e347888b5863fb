#include "catalogue/UndoOrigins.h"

void UndoOrigins::look(const std::array<const QImage *, slotCount> &ring, const DrawingVisit &shown)
{
    for (std::size_t i = 0; i < ring.size(); ++i) {
        const qint64 key = ring[i] && !ring[i]->isNull() ? ring[i]->cacheKey() : 0;
        if (key == seenKeys[i])
            continue;
        seenKeys[i] = key;
        origins[i] = key != 0 ? std::optional(shown) : std::nullopt;
    }
}

bool UndoOrigins::takenOn(int slot, const DrawingVisit &visit) const
{
    if (slot < 0 || slot >= slotCount)
        return false;
    const std::optional<DrawingVisit> &origin = origins[static_cast<std::size_t>(slot)];
    return origin && *origin == visit;
}
