#include "import/Import.h"
#include "canvas/FloodFill.h"
#include "content/Content.h"
#include "layout/Placement.h"
#include "platform/Stretch.h"
#include "support/TempAppFolder.h"

#include <QDirIterator>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <QTextStream>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <functional>
#include <gtest/gtest.h>

namespace
{
// Whether every black pixel lies in an all-black 3 x 3 square: no line is thinner.
bool linesAtLeastThreeThick(const QImage &image)
{
    const auto black = [&](int x, int y) {
        return image.valid(x, y) && image.pixel(x, y) == 0xFF000000;
    };
    for (int p = 0, x = 0, y = 0; p < image.width() * image.height(); ++p) {
        if (!black(x = p % image.width(), y = p / image.width()))
            continue;
        std::array<int, 9> inSquare{}; // black pixels in each 3 x 3 square holding (x, y)
        for (int i = 0; i < 81; ++i)
            inSquare[i / 9] += black(x - i / 9 % 3 + i % 3, y - i / 27 + i % 9 / 3);
        if (std::ranges::find(inSquare, 9) == inSquare.end())
            return false;
    }
    return true;
}

// Runs the tool in `folder` (files named relative to it); its report and messages in *output.
int import(const TempAppFolder &folder, const QStringList &arguments, QString *output)
{
    QStringList line{"--app-folder", folder.path()};
    for (const QString &a : arguments)
        line << (a.startsWith("--") || line.size() == 2 ? a : folder.file(a));
    QString report, errors;
    QTextStream out(&report), err(&errors);
    const int status = runImport(parseCommandLine(line).request, out, err);
    *output = report + errors;
    return status;
}

// A ring round the centre, 2 px wide, with an opening of `gap` pixels on its right.
void drawRing(QPainter &painter, int gap, QPointF centre = {250, 175})
{
    painter.setPen(QPen(Qt::black, 2));
    const double radius = 120, gapDegrees = (gap + 2) / (2 * M_PI * radius) * 360;
    painter.drawArc(QRectF(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)),
                    int(gapDegrees / 2 * 16), int((360 - gapDegrees) * 16));
}

// A 500 x 350 picture, white (or transparent), with `draw` on it. Every shape is
// centred, so that the middle of each drawing, (500, 350), lies inside.
QImage painted(const std::function<void(QPainter &)> &draw, bool smooth = true,
               QImage::Format format = QImage::Format_RGB32)
{
    QImage picture(500, 350, format);
    picture.fill(format == QImage::Format_RGB32 ? Qt::white : Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, smooth);
    draw(painter);
    return picture;
}

QStringList filesIn(const QString &path)
{
    QStringList files;
    for (QDirIterator it(path, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                         QDirIterator::Subdirectories);
         it.hasNext();)
        files << it.next();
    files.sort();
    return files;
}

// Line art as teachers bring it: each picture in its format (PDF: the drawing on
// one page and a frame on a second), with its own difficulty.
const struct Source {
    const char *name, *format;
    std::function<void(QPainter &)> draw;
    bool smooth = true;
    int enlarged = 1;
} lineArt[] = {
    {"strokes.png", "JPG", // anti-aliased, and JPEG inside whatever the name says
     [](QPainter &p) {
         p.setPen(QPen(Qt::black, 2.5));
         p.drawEllipse(QPointF(250, 175), 160, 110);
         p.drawLine(QPointF(140, 100), QPointF(360, 260));
     }},
    {"slot.bmp", "BMP", // a slanted slot: shrinking to a small screen would cut it in pieces
     [](QPainter &p) {
         p.drawRect(QRectF(10, 10, 480, 330));
         p.setPen(QPen(Qt::black, 9));
         p.drawLine(200, 140, 300, 152);
         p.setPen(QPen(Qt::white, 2));
         p.drawLine(203, 140, 297, 152);
     },
     false},
    {"transparent.png", "PNG",
     [](QPainter &p) { p.setPen(QPen(Qt::black, 3)), p.drawRect(130, 80, 240, 190); }},
    {"sheets.pdf", "PDF", [](QPainter &p) { drawRing(p, 1); }},
    {"feeder.tif", "TIFF", [](QPainter &p) { drawRing(p, 0); }},
    {"shapes.svg", "SVG", nullptr}, // a grey fill and a thin outline, drawn by the SVG reader
    {"shadowed.jpg", "JPG",         // a page photographed in a room, its paper from white to grey
     [](QPainter &p) {
         QLinearGradient light(0, 0, 500, 0);
         light.setColorAt(0, QColor(250, 250, 245));
         light.setColorAt(1, QColor(140, 140, 130));
         p.fillRect(0, 0, 500, 350, light);
         p.setPen(QPen(QColor(40, 40, 40), 3)), p.drawEllipse(QPoint(250, 175), 150, 100);
     }},
    {"scan.jpg", "JPG", // 34 million pixels, more than the picture reader takes unasked
     [](QPainter &p) { p.setPen(QPen(Qt::black, 2)), p.drawEllipse(QPoint(250, 175), 150, 100); },
     true, 14},
};

// A TIFF with a page of 8-bit grey for each picture, as a scanner's document feeder writes.
QByteArray tiffPages(const QList<QImage> &pictures)
{
    QByteArray file("II*\0\0\0\0\0", 8);
    const auto put = [&file](quint32 value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            file.append(char(value >> (8 * i)));
    };
    qsizetype next = 4; // where the offset of the next page's directory goes
    for (const QImage &picture : pictures) {
        const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
        const quint32 w = quint32(grey.width()), h = quint32(grey.height()), at = file.size();
        for (int y = 0; y < grey.height(); ++y)
            file.append(reinterpret_cast<const char *>(grey.constScanLine(y)), grey.width());
        file.append(file.size() % 2, '\0');
        qToLittleEndian<quint32>(quint32(file.size()), file.data() + next);
        // Width, height, 8 bits, no compression, black is 0, one strip and its bytes.
        const quint32 tags[][2] = {{256, w},  {257, h}, {258, 8}, {259, 1},    {262, 1},
                                   {273, at}, {277, 1}, {278, h}, {279, w * h}};
        put(9, 2);
        for (const auto &[tag, value] : tags)
            put(tag, 2), put(4, 2), put(1, 4), put(value, 4); // one LONG each
        next = file.size();
        put(0, 4);
    }
    return file;
}

// Writes the source's picture into `folder`; gives how many drawings it holds.
int write(const Source &source, const TempAppFolder &folder)
{
    const QString path = folder.file(source.name);
    if (QByteArray(source.format) == "TIFF") { // the drawing on one page and a frame on a second
        QFile tiff(path);
        const QImage frame = painted([](QPainter &p) { p.drawRect(100, 60, 300, 230); });
        return tiff.open(QIODevice::WriteOnly) &&
                       tiff.write(tiffPages({painted(source.draw), frame})) > 0
                   ? 2
                   : 0;
    }
    if (QByteArray(source.format) == "SVG") {
        folder.writeText(source.name,
                         R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 500 350">
            <circle cx="250" cy="175" r="130" fill="#ddd" stroke="#222" stroke-width="1.5"/></svg>)");
        return 1;
    }
    if (QByteArray(source.format) != "PDF") {
        const bool clear = QByteArray(source.format) == "PNG";
        const QImage picture = painted(source.draw, source.smooth,
                                       clear ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        picture.scaled(picture.size() * source.enlarged)
            .save(path, source.format, QByteArray(source.format) == "JPG" ? 80 : 100);
        return 1;
    }
    QPdfWriter pdf(path);
    pdf.setResolution(72);
    pdf.setPageSize(QPageSize(QSizeF(1000, 700), QPageSize::Point));
    pdf.setPageMargins({});
    QPainter painter(&pdf);
    painter.scale(2, 2);
    source.draw(painter);
    pdf.newPage();
    painter.resetTransform();
    painter.drawRect(200, 120, 600, 460);
    return 2;
}
} // namespace

// Each drawing is a black and white GIF of 1000 x 700, lines at least 3 pixels thick;
// the program's fill, started in the middle, stays inside, and no area opens when
// the drawing is shrunk to the smallest screen's canvas.
TEST(ImportLineArt, GivesCleanClosedDrawingsThatSurviveTheSmallestScreen)
{
    const QSize smallCanvas = stretchedCanvasPixels({1024, 768});
    for (const Source &source : lineArt) {
        SCOPED_TRACE(source.name);
        const TempAppFolder folder;
        const int drawings = write(source, folder);
        QString output;
        ASSERT_EQ(import(folder, {"nuevo", source.name}, &output), 0) << output.toStdString();
        EXPECT_TRUE(folder.exists("logos/nuevo.gif"));
        EXPECT_FALSE(folder.exists(QString("dibujos/nuevo/%1.gif").arg(drawings + 1)));
        for (int n = 1; n <= drawings; ++n) {
            const QString path = folder.file(QString("dibujos/nuevo/%1.gif").arg(n));
            const QImage drawing = QImage(path).convertToFormat(QImage::Format_RGB32);
            EXPECT_EQ(drawing.size(), QSize(1000, 700));
            const Areas areas = whiteAreas(drawing); // fails on a grey pixel
            EXPECT_TRUE(linesAtLeastThreeThick(drawing));
            ASSERT_EQ(drawing.pixel(500, 350), 0xFFFFFFFF);
            const QRect inside = findSurfaceRegion(drawing, {500, 350}).bounds;
            EXPECT_TRUE(QRect(5, 5, 990, 690).contains(inside)) << "the middle area leaks out";
            EXPECT_GT(inside.width(), 100);
            const QImage shrunk =
                stretchImage(drawing, smallCanvas.width(), smallCanvas.height(), StretchMode::And);
            EXPECT_EQ(whiteAreas(shrunk).size.size(), areas.size.size());
            EXPECT_TRUE(output.contains(QString("%1 closed areas").arg(areas.closedOfAtLeast(1))))
                << output.toStdString();
        }
    }
}

TEST(ImportLineArt, RefusesWhatIsNoLineArtAndWritesNothing)
{
    const TempAppFolder folder;
    QImage photo(640, 480, QImage::Format_RGB32);
    QRandomGenerator noise(7);
    for (int i = 0; i < 640 * 480; ++i)
        photo.setPixel(
            i % 640, i / 640,
            QColor::fromHsv((i % 640 + i / 640) % 360, 120, 90 + noise.bounded(120)).rgb());
    photo.save(folder.file("photo.jpg"), "JPG", 90);
    painted([](QPainter &p) { drawRing(p, 0); }).save(folder.file("ring.png"));
    folder.writeText("notes.png", "Lista de la clase\n");
    const QStringList before = filesIn(folder.path());
    // clang-format off
    const std::pair<QStringList, const char *> cases[] = {{{"fotos", "photo.jpg"}, "tiny"},
        {{"fotos", "ring.png", "notes.png"}, "is not a picture"},
        {{"a/b", "ring.png"}, "cannot contain"}, {{"..", "ring.png"}, "cannot be a category"}};
    // clang-format on
    for (const auto &[arguments, reason] : cases) {
        QString output;
        EXPECT_NE(import(folder, arguments, &output), 0) << arguments.join(' ').toStdString();
        EXPECT_TRUE(output.contains(reason)) << output.toStdString();
        EXPECT_EQ(filesIn(folder.path()), before);
    }
}

// New drawings take the free numbers of the category, whatever its letter case.
TEST(ImportLineArt, AddsAfterTheDrawingsOfACategoryAndNeverReplacesOne)
{
    const TempAppFolder folder;
    for (const char *existing : {"dibujos/granja/1.gif", "dibujos/granja/2.GIF",
                                 "dibujos/granja/4.gif", "logos/granja.bmp"})
        folder.writePicture(existing, lineDrawing(300, 200));
    painted([](QPainter &p) { drawRing(p, 0); }).save(folder.file("a.png"));
    painted([](QPainter &p) { drawRing(p, 2, {200, 150}); }).save(folder.file("b.png"));
    const QStringList before = filesIn(folder.path());
    QString output;
    ASSERT_EQ(import(folder, {"Granja", "a.png", "b.png"}, &output), 0) << output.toStdString();
    QStringList expected = before + QStringList{folder.file("dibujos/granja/3.gif"),
                                                folder.file("dibujos/granja/5.gif")};
    expected.sort();
    EXPECT_EQ(filesIn(folder.path()), expected);
    EXPECT_EQ(QImage(folder.file("dibujos/granja/4.gif")).size(), QSize(300, 200));
}
