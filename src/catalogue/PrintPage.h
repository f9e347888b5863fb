#pragma once

#include <QImage>

class QPageLayout;
class QPrinter;

// Height of the printer's sheet in twips, read in the unit the paper size is
// defined in, so that A4 gives 16838 and Letter 15840.
double pageHeightTwips(const QPageLayout &layout);

// Prints a picture as one document of one page, one picture twip per printed
// twip: against the left edge of the printable area, centred from top to bottom
// on the sheet's height (a picture taller than the page loses its top, a wider
// one its right side). False when the printer would not start.
bool printPictureCentred(QPrinter &printer, const QImage &picture, int widthTwips, int heightTwips);
