#include "catalogue/UndoHistory.h"

#include "platform/Stretch.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace
{
QRgb *row(QImage &image, int y)
{
    return reinterpret_cast<QRgb *>(image.scanLine(y));
}

const QRgb *row(const QImage &image, int y)
{
    return reinterpret_cast<const QRgb *>(image.constScanLine(y));
}

// How far from the segment a's to b the point p lies.
double distanceToSegment(QPointF p, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    const double t =
        length2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0) : 0.0;
    const QPointF d = p - (a + t * ab);
    return std::hypot(d.x(), d.y());
}

bool finite(QPointF p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

// Lines are drawn with their ends clamped to this far out; so are the ends here.
QPointF clamped(QPointF p)
{
    constexpr double far = 1 << 29;
    return {std::clamp(p.x(), -far, far), std::clamp(p.y(), -far, far)};
}
} // namespace

void UndoHistory::dropOtherVisits(const DrawingVisit &visit)
{
    std::erase_if(steps, [&visit](const Step &step) { return !(step.visit == visit); });
}

void UndoHistory::beginStep(QSize canvasSize, const DrawingVisit &visit)
{
    dropOtherVisits(visit);
    steps.push_back(Step{visit, canvasSize, {}, {}, {}});
    while (steps.size() > static_cast<std::size_t>(stepLimit))
        steps.pop_front();
}

UndoHistory::Step *UndoHistory::open(const QImage &canvas)
{
    // Once the canvas has been replaced, the step's picture holds all there
    // is to put back: what is painted after that needs no keeping.
    if (steps.empty() || steps.back().base || steps.back().size != canvas.size())
        return nullptr;
    return &steps.back();
}

void UndoHistory::keepFilled(SpanList spans, QRgb before)
{
    if (steps.empty() || steps.back().base)
        return;
    steps.back().patches.push_back(Patch{{}, {}, std::move(spans), {before}});
}

void UndoHistory::keepSpans(const QImage &canvas, const SpanList &spans)
{
    Step *step = open(canvas);
    if (!step)
        return;
    Patch patch;
    for (const FillSpan &span : spans) {
        if (span.y < 0 || span.y >= canvas.height())
            continue;
        const QRgb *pixels = row(canvas, span.y);
        const int last = std::min(span.x2, canvas.width() - 1);
        for (int x = std::max(span.x1, 0); x <= last;) {
            const int first = x;
            while (x <= last && pixels[x] == pixels[first])
                ++x;
            patch.runs.push_back(FillSpan{span.y, first, x - 1});
            patch.colours.push_back(pixels[first]);
        }
    }
    step->patches.push_back(std::move(patch));
}

void UndoHistory::keepLine(const QImage &canvas, QPointF from, QPointF to, int width)
{
    Step *step = open(canvas);
    if (!step || !finite(from) || !finite(to))
        return;
    from = clamped(from);
    to = clamped(to);
    // Every pixel a line changes has its centre within half the width of the
    // segment between its ends, each moved by less than a pixel when snapped
    // to the pixel grid (a thin line's pixels lie within a pixel of it).
    const double reach = std::max(width, 1) / 2.0 + 2.0;
    const double tileReach = reach + tileSize * M_SQRT1_2; // from a tile's centre
    const QRectF around = QRectF(from, to).normalized().adjusted(-reach, -reach, reach, reach);
    const QRectF inside = around.intersected(QRectF(canvas.rect()));
    if (inside.isEmpty())
        return;
    const int columns = (canvas.width() + tileSize - 1) / tileSize;
    const int rows = (canvas.height() + tileSize - 1) / tileSize;
    step->tileKept.resize(static_cast<std::size_t>(columns) * rows);
    const int left = static_cast<int>(inside.left()) / tileSize;
    const int top = static_cast<int>(inside.top()) / tileSize;
    const int right = std::min(static_cast<int>(inside.right()) / tileSize, columns - 1);
    const int bottom = std::min(static_cast<int>(inside.bottom()) / tileSize, rows - 1);
    for (int ty = top; ty <= bottom; ++ty)
        for (int tx = left; tx <= right; ++tx) {
            const std::size_t index = static_cast<std::size_t>(ty) * columns + tx;
            const QRect tile =
                QRect(tx * tileSize, ty * tileSize, tileSize, tileSize) & canvas.rect();
            if (step->tileKept[index] ||
                distanceToSegment(QRectF(tile).center(), from, to) > tileReach)
                continue;
            step->tileKept[index] = true;
            step->patches.push_back(Patch{tile.topLeft(), canvas.copy(tile), {}, {}});
        }
}

void UndoHistory::keepWhole(const QImage &canvas)
{
    if (!steps.empty())
        canvasReplaced(std::make_shared<const CompactImage>(canvas), steps.back().visit);
}

void UndoHistory::canvasReplaced(std::shared_ptr<const CompactImage> before,
                                 const DrawingVisit &visit)
{
    dropOtherVisits(visit);
    if (!before || before->isNull())
        return;
    // The canvas as the steps left it: each step's patches, newest first,
    // take it back one step further.
    for (Step &step : steps)
        if (!step.base)
            step.base = before;
}

void UndoHistory::putBack(const Step &step, QImage &image)
{
    for (auto patch = step.patches.rbegin(); patch != step.patches.rend(); ++patch) {
        if (!patch->pixels.isNull()) {
            const QRect area = QRect(patch->at, patch->pixels.size()) & image.rect();
            for (int y = area.top(); y <= area.bottom(); ++y)
                std::memcpy(row(image, y) + area.left(),
                            row(patch->pixels, y - patch->at.y()) + (area.left() - patch->at.x()),
                            static_cast<std::size_t>(area.width()) * sizeof(QRgb));
            continue;
        }
        for (std::size_t i = 0; i < patch->runs.size(); ++i) {
            const FillSpan &run = patch->runs[i];
            if (run.y < 0 || run.y >= image.height())
                continue;
            const QRgb colour = patch->colours[patch->colours.size() == 1 ? 0 : i];
            QRgb *pixels = row(image, run.y);
            std::fill(pixels + std::max(run.x1, 0),
                      pixels + std::max(std::min(run.x2 + 1, image.width()), std::max(run.x1, 0)),
                      colour);
        }
    }
}

bool UndoHistory::undo(QImage &canvas, const DrawingVisit &visit)
{
    if (steps.empty() || !(steps.back().visit == visit) || canvas.isNull())
        return false;
    Step &step = steps.back();
    if (!step.base) {
        if (step.size != canvas.size())
            return false;
        putBack(step, canvas);
    } else {
        QImage before = step.base->image();
        putBack(step, before);
        // The steps before share the picture: for them it is now this one.
        if (!step.patches.empty() && step.base.use_count() > 1) {
            const auto taken = std::make_shared<const CompactImage>(before);
            for (Step &earlier : steps)
                if (earlier.base == step.base && &earlier != &step)
                    earlier.base = taken;
        }
        canvas = before.size() == canvas.size()
                     ? std::move(before)
                     : stretchImage(before, canvas.width(), canvas.height(), StretchMode::Darkest);
    }
    steps.pop_back();
    return true;
}
