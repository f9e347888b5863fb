#include "catalogue/UndoHistory.h"
#include "platform/Raster.h"
#include "support/Pictures.h"

#include <gtest/gtest.h>

// f surface fill, b border fill, l line across tiles, s canvas doubled (fit toggle), v another
// visit; each u (undo) gives back the canvas after that many actions, at the size shown.
TEST(UndoHistory, TakesBackUpToFourStepsOfThisVisitAtTheSizeShown)
{
    const std::pair<const char *, const char *> cases[] = {
        {"flbffuuuuu", "43211"}, {"ffufuuu", "1100"}, {"ffvuu", "33"}, {"flsfuuu", "310"}};
    for (auto [actions, expected] : cases) {
        QImage canvas = lineDrawing(150, 100);
        std::vector<QImage> states{canvas};
        UndoHistory history;
        DrawingVisit visit{0, 1, 1};
        for (const char *a = actions; *a; ++a) {
            const QRgb colour = qRgb(40 * int(states.size()), 0, 200);
            const QPoint at(12 + 20 * int(states.size() % 5), 10);
            if (*a == 'u') {
                history.undo(canvas, visit);
                EXPECT_TRUE(sameImage(canvas, states[std::size_t(*expected++ - '0')]))
                    << actions << ", undo giving " << expected[-1];
            } else if (*a == 's') {
                history.canvasReplaced(std::make_shared<const CompactImage>(canvas), visit),
                    canvas = canvas.scaled(300, 200);
            } else if (*a != 'v') {
                history.beginStep(canvas.size(), visit);
            }
            visit.load += *a == 'v';
            for (QImage &state : states)
                state = state.scaled(canvas.size());
            if (*a == 'f')
                history.keepFilled(floodFillSurface(canvas, at, colour).spans,
                                   states.back().pixel(at));
            if (*a == 'b')
                history.keepSpans(canvas, findBorderRegion(canvas, at, qRgb(0, 0, 0)).spans),
                    floodFillBorder(canvas, at, qRgb(0, 0, 0), colour);
            if (*a == 'l')
                history.keepLine(canvas, {5, 95}, {140, 3}, 7),
                    drawThickLine(canvas, {5, 95}, {140, 3}, 7, colour);
            states.push_back(canvas);
        }
    }
}
