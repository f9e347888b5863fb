#include "catalogue/PrintPage.h"

#include "platform/Rounding.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

double pageHeightTwips(const QPageLayout &layout)
{
    switch (layout.pageSize().definitionUnits()) {
    case QPageSize::Inch:
        return layout.fullRect(QPageLayout::Inch).height() * 1440;
    case QPageSize::Point:
        return layout.fullRect(QPageLayout::Point).height() * 20;
    default:
        return layout.fullRect(QPageLayout::Millimeter).height() * 1440 / 25.4;
    }
}

bool printPictureCentred(QPrinter &printer, const QImage &picture, int widthTwips, int heightTwips)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // The painter's origin is the top-left corner of the printable area.
    const double devicePerTwip = printer.resolution() / 1440.0;
    painter.scale(devicePerTwip, devicePerTwip);
    const double pageHeight = roundHalfEven(pageHeightTwips(printer.pageLayout()));
    const int top = centredOffset(pageHeight, heightTwips);
    painter.drawImage(QRectF(0, top, widthTwips, heightTwips), picture);
    return painter.end();
}
