#pragma once

#include <QImage>
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
// one drawing's colouring on another.
//
// The painting tools fill the ring without telling anyone. A slot that holds a
// different image from the one seen at the last look was filled since then,
// while the drawing shown meanwhile was on the canvas; the window looks before
// every load of a drawing and before every undo, which dates every snapshot.
// Images are told apart by QImage::cacheKey(), which changes whenever a slot
// gets another image or its pixels are written in place.
class UndoOrigins
{
public:
    static constexpr int slotCount = 4;

    // Credits every slot refilled since the last look to the visit shown meanwhile.
    void look(const std::array<const QImage *, slotCount> &ring, const DrawingVisit &shown);
    // True when the slot holds a snapshot taken on that visit.
    bool takenOn(int slot, const DrawingVisit &visit) const;

private:
    std::array<qint64, slotCount> seenKeys{};
    std::array<std::optional<DrawingVisit>, slotCount> origins;
};
