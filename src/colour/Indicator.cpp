#include "colour/Indicator.h"

#include "platform/PictureArea.h"
#include "platform/TwipGeometry.h"

namespace
{
constexpr QRgb discGreen = 0xFF00FF00;
constexpr QRgb startDotRed = 0xFFFF0000;
constexpr int startDotWidth = 2;
} // namespace

QPointF indicatorDotCentre(const PictureArea &indicator)
{
    return {widthTwips(&indicator) / 2.0 - 20, heightTwips(&indicator) / 2.0 - 20};
}

void drawIndicatorStartImage(PictureArea &indicator)
{
    const QPointF centre = indicatorDotCentre(indicator);
    indicator.setAutoRedraw(true);
    indicator.setFillColor(discGreen);
    indicator.circle(centre, heightTwips(&indicator) / 2.0 - 100, discGreen);
    indicator.setFillColor(startDotRed);
    indicator.setDrawWidth(startDotWidth);
    indicator.dot(centre, startDotRed);
    indicator.setAutoRedraw(false);
}

void paintIndicatorDot(PictureArea &indicator, QRgb colour)
{
    // A dot drawn while the indicator is hidden would turn up when it is next
    // shown; the indicator then shows only its start image.
    if (indicator.isHidden())
        return;
    indicator.dot(indicatorDotCentre(indicator), colour);
}
