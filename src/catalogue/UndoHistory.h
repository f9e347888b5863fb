#pragma once

#include "canvas/FloodFill.h"
#include "platform/CompactImage.h"

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QtGlobal>
#include <deque>
#include <memory>
#include <vector>

// One stay of one drawing on the canvas: from the load of the drawing to the
// load of the next. Coming back to a drawing later is another visit.
struct DrawingVisit {
    int category = -1;
    int number = 0;
    quint64 load = 0; // counts the loads since start-up
    bool operator==(const DrawingVisit &) const = default;
};

// The last four painting steps of the canvas, newest last, each keeping only
// what it painted over: the runs of a fill with the colours they had, the
// 64 x 64 tiles a line crossed as they were before it, or, for a step that
// replaces the whole canvas (the eraser), the canvas it replaced. A step is
// begun before it paints; whoever paints then tells the history what is about
// to change (or, for a fill over one colour, what just changed).
//
// Undo takes back the newest step when it was taken on the visit shown, and
// forgets it: after the oldest kept step, further presses change nothing, and
// a step taken after undoing takes the place of the one undone. A step taken
// at another canvas size (before the fit toggle) comes back stretched to the
// size shown.
class UndoHistory
{
public:
    static constexpr int stepLimit = 4;
    static constexpr int tileSize = 64;

    // Starts a step on a canvas of this size. Steps of another visit can never
    // be taken back again and are dropped; beyond four, the oldest goes.
    void beginStep(QSize canvasSize, const DrawingVisit &visit);
    // The spans just filled over pixels that all had the colour `before`.
    void keepFilled(SpanList spans, QRgb before);
    // The canvas's pixels under these spans, before they are painted over.
    void keepSpans(const QImage &canvas, const SpanList &spans);
    // The canvas round a line of this width, before it is drawn.
    void keepLine(const QImage &canvas, QPointF from, QPointF to, int width);
    // The whole canvas, before the step replaces it.
    void keepWhole(const QImage &canvas);
    // The canvas of this visit is replaced by one that does not follow from the
    // steps (the fit toggle): `before` is the canvas as the steps left it,
    // held compact.
    void canvasReplaced(std::shared_ptr<const CompactImage> before, const DrawingVisit &visit);

    // Forgets the steps of every other visit, which can never be taken back.
    void dropOtherVisits(const DrawingVisit &visit);

    // Takes back the newest step on the canvas if it was taken on this visit.
    // Returns false, changing nothing, when there is no such step.
    bool undo(QImage &canvas, const DrawingVisit &visit);
    int size() const { return static_cast<int>(steps.size()); }

private:
    // Pixels as they were: a rectangle (a tile), or runs in one colour each.
    struct Patch {
        QPoint at;
        QImage pixels;
        SpanList runs;
        std::vector<QRgb> colours; // one for all runs, or one per run
    };
    struct Step {
        DrawingVisit visit;
        QSize size;
        std::vector<Patch> patches; // in the order kept; put back in reverse
        std::vector<bool> tileKept;
        // Set once the canvas no longer follows from the steps: the picture
        // the patches apply to in place of the canvas, held compact. Shared by
        // the steps that came before the replacement.
        std::shared_ptr<const CompactImage> base;
    };
    // The step that what is painted now belongs to, or null when nothing needs keeping.
    Step *open(const QImage &canvas);
    static void putBack(const Step &step, QImage &image);

    std::deque<Step> steps;
};
