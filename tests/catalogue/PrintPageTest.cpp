#include "catalogue/PrintPage.h"
#include "import/ReadPages.h"
#include "support/TempAppFolder.h"

#include <QPrinter>
#include <gtest/gtest.h>

// A canvas of 3000 x 8000 twips prints twip for twip from the printable area's left edge (12.7 mm,
// 720 twips), centred down an A4 sheet (16838 twips: from 4419 to 12419). Read back at 144 dpi.
TEST(PrintPage, TwipForTwipFromTheLeftMarginCentredDownTheSheet)
{
    const TempAppFolder folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(folder.file("page.pdf"));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(12.7, 0, 0, 0), QPageLayout::Millimeter);
    QImage black(30, 80, QImage::Format_RGB32);
    black.fill(Qt::black);
    ASSERT_TRUE(printPictureCentred(printer, black, 3000, 8000));
    QImage page;
    readPages(folder.file("page.pdf"), {1191, 1684},
              [&](const QImage &p, int, int, double) { page = p; });
    // clang-format off
    for (const auto &[x, y, ink] : {std::tuple{200, 436, false}, {78, 448, true}, {66, 800, false},
                                    {366, 1236, true}, {378, 800, false}, {200, 1248, false}})
        // clang-format on
        EXPECT_EQ(qGray(page.pixel(x, y)) < 128, ink) << x << "," << y;
}
