#include "catalogue/PrintPage.h"
#include "platform/TwipGeometry.h"
#include "support/CatalogueFixture.h"

#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

namespace
{
QPageLayout layout(QPageSize::PageSizeId id, QPageLayout::Orientation orientation)
{
    return QPageLayout(QPageSize(id), orientation, QMarginsF());
}

// A pdf printer on A4 with a left margin of half an inch and none at the top.
std::shared_ptr<QPrinter> pdfPrinter(const QString &file)
{
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(file);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageOrientation(QPageLayout::Portrait);
    printer->setPageMargins(QMarginsF(12.7, 0, 0, 0), QPageLayout::Millimeter);
    return printer;
}

// Renders part of the first page at 480 dpi, where a pixel is 3 twips, so
// that a placement one twip off shows as a partly covered row.
QImage renderAt480Dpi(const QString &pdf, const QRect &area)
{
    const QString base = pdf + "-page";
    QProcess::execute("pdftoppm",
                      {"-r", "480", "-gray", "-png", "-singlefile", "-x", QString::number(area.x()),
                       "-y", QString::number(area.y()), "-W", QString::number(area.width()), "-H",
                       QString::number(area.height()), pdf, base});
    return QImage(base + ".png");
}
} // namespace

TEST(PageHeight, IsTheSheetInTwipsWhateverItsUnit)
{
    EXPECT_NEAR(pageHeightTwips(layout(QPageSize::A4, QPageLayout::Portrait)), 16838, 0.5);
    EXPECT_NEAR(pageHeightTwips(layout(QPageSize::A4, QPageLayout::Landscape)), 11906, 0.5);
    EXPECT_NEAR(pageHeightTwips(layout(QPageSize::Letter, QPageLayout::Portrait)), 15840, 0.01);
    EXPECT_NEAR(pageHeightTwips(layout(QPageSize::Legal, QPageLayout::Portrait)), 20160, 0.01);
}

using Printing = CatalogueFixture;

TEST_F(Printing, CanvasIsPrintedTwipForTwipCentredTopToBottom)
{
    writeCategory("animales", 1);
    Form1 &w = load();
    setGeometryTwips(w.Picture1, 60, 60, 3000, 8000);
    w.Picture1->image().fill(Qt::black);
    const QString pdf = app.file("page.pdf");
    int printers = 0;
    w.openPrinter = [&] {
        ++printers;
        return pdfPrinter(printers == 1 ? pdf : app.file("second.pdf"));
    };
    w.Command8->click();
    EXPECT_EQ(rgb(w.Picture1->picture()).pixel(0, 0), qRgb(0, 0, 0))
        << "the canvas's picture is its persistent image";
    ASSERT_TRUE(app.exists("page.pdf"));
    EXPECT_TRUE(fileBytes("page.pdf").startsWith("%PDF"));
    const QByteArray bytes = fileBytes("page.pdf");
    EXPECT_EQ(bytes.count("/Type /Page") - bytes.count("/Type /Pages"), 1) << "one page";

    w.Command8_Click();
    EXPECT_EQ(printers, 2);
    EXPECT_TRUE(app.exists("second.pdf")) << "each press is a document of its own";

    if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
        GTEST_SKIP() << "pdftoppm is missing: the page itself is not looked at";
    // (16838 - 8000) \ 2 = 4419 twips: pixel row 1473 at 480 dpi. The left
    // margin of 720 twips: pixel column 240. The canvas is 1000 pixels wide.
    const QImage page = renderAt480Dpi(pdf, QRect(200, 1440, 1100, 80));
    ASSERT_EQ(page.size(), QSize(1100, 80));
    const auto grey = [&page](int x, int y) { return qGray(page.pixel(x - 200, y - 1440)); };
    EXPECT_GE(grey(500, 1472), 250) << "above the top edge";
    EXPECT_LE(grey(500, 1473), 5) << "the top edge";
    EXPECT_GE(grey(239, 1500), 250) << "left of the printable area's edge";
    EXPECT_LE(grey(240, 1500), 5) << "the left edge";
    // The renderer rounds a picture's far edges outward by up to a pixel.
    EXPECT_LE(grey(1238, 1500), 5) << "the right edge";
    EXPECT_GE(grey(1242, 1500), 250) << "right of the canvas";
}

TEST_F(Printing, WithoutAPrinterNothingHappens)
{
    writeCategory("animales", 1);
    Form1 &w = load();
    int asked = 0;
    w.openPrinter = [&asked] {
        ++asked;
        return std::shared_ptr<QPrinter>();
    };
    const QImage before = canvas(w);
    w.Command8_Click();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(canvas(w), before);
    EXPECT_TRUE(sounds->isEmpty());
}
