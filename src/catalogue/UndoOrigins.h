#pragma once

#include <QtGlobal>
#include <array>
#include <optional>

// One stay of one drawing on the canvas: from the load of the drawing to the
// load of the next. Coming back to a drawing later is another visit.
struct DrawingVisit {
    int category = -1;
    int number = 0;
    quint64 load = 0; // counts the loads since start-up
    bool operator==(const DrawingVisit &) const = default;
};

// Remembers the visit each undo snapshot was taken on, so that undo never puts
// one drawing's colouring on another, nor an empty slot on the canvas.
class UndoOrigins
{
public:
    static constexpr int slotCount = 4;

    void record(int slot, const DrawingVisit &visit);
    // The slot's snapshot was put back: it belongs to no visit any more, so
    // that undo never brings back what it took away.
    void forget(int slot);
    // True when the slot holds a snapshot taken on that visit.
    bool takenOn(int slot, const DrawingVisit &visit) const;

private:
    std::array<std::optional<DrawingVisit>, slotCount> origins;
};
