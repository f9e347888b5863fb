#pragma once

#include <QPointF>
#include <QRgb>

class PictureArea;

// The line-thickness indicator shows a round dot as thick as the lines the
// pencil will draw, in the current colour, over a green disc.

// Where every dot of the indicator is centred, in the indicator's twips.
QPointF indicatorDotCentre(const PictureArea &indicator);

// The picture the indicator always comes back to: a green disc with a small
// red dot. It is drawn retained and retention is switched off afterwards, so
// every later dot lies over it without being kept.
void drawIndicatorStartImage(PictureArea &indicator);

// A dot of the indicator's line thickness in the given colour, not retained:
// the next repaint of the indicator shows its start image again.
void paintIndicatorDot(PictureArea &indicator, QRgb colour);
