#include "import/Import.h"
#include "canvas/FloodFill.h"
#include "content/Content.h"
#include "layout/Placement.h"
#include "platform/Stretch.h"
#include "support/TempAppFolder.h"

#include <QPainter>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <QTextStream>

#include <functional>
#include <gtest/gtest.h>

namespace
{

// Whether every black pixel lies in an all-black square of side 3: no line is
// thinner than 3 pixels.
bool linesAtLeastThreeThick(const QImage &image)
{
    const auto black = [&](int x, int y) { return image.valid(x, y) && image.pixel(x, y) == 0xFF000000; };
    const auto squareAt = [&](int x, int y) {
        for (int dy = 0; dy < 3; ++dy)
            for (int dx = 0; dx < 3; ++dx)
                if (!black(x + dx, y + dy))
                    return false;
        return true;
    };
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            bool covered = !black(x, y);
            for (int dy = -2; dy <= 0 && !covered; ++dy)
                for (int dx = -2; dx <= 0 && !covered; ++dx)
                    covered = squareAt(x + dx, y + dy);
            if (!covered)
                return false;
        }
    return true;
}

// Every shape is centred on its picture, so the middle of each drawing, (500, 350), lies inside.
const QSize pictureSize(500, 350);

// Runs the tool on `folder` with the category and options given, then files of
// the folder; gives its exit status, and its report and messages in *output.
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

QImage painted(const std::function<void(QPainter &)> &draw, bool smooth = true,
               QImage::Format format = QImage::Format_RGB32)
{
    QImage picture(pictureSize, format);
    picture.fill(format == QImage::Format_RGB32 ? Qt::white : Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, smooth);
    draw(painter);
    return picture;
}

// Every file and folder below `path`, hidden ones included, sorted.
QStringList filesIn(const QString &path)
{
    QStringList files;
    const auto all = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden;
    for (const QFileInfo &f : QDir(path).entryInfoList(all))
        files << f.filePath() << (f.isDir() ? filesIn(f.filePath()) : QStringList());
    files.sort();
    return files;
}

struct Source {
    const char *name;
    std::function<void(const QString &path)> write;
    int drawings;
};

const Source lineArt[] = {
    {"strokes.png", // anti-aliased, and JPEG inside whatever the name says
     [](const QString &path) {
         painted([](QPainter &p) {
             p.setPen(QPen(Qt::black, 2.5));
             p.drawEllipse(QPointF(250, 175), 160, 110);
             p.drawLine(QPointF(140, 100), QPointF(360, 260));
         }).save(path, "JPG", 80);
     },
     1},
    {"hairlines.tif", // faint beside a bold stroke
     [](const QString &path) {
         painted([](QPainter &p) {
             p.fillRect(20, 320, 200, 5, Qt::black);
             p.setPen(QPen(Qt::black, 0.35));
             p.drawRect(QRectF(100.5, 60.5, 300, 230));
         }).save(path, "TIFF");
     },
     1},
    {"ring.webp",
     [](const QString &path) {
         painted([](QPainter &p) { drawRing(p, 3); }).save(path, "WEBP", 100);
     },
     1},
    {"slot.bmp", // a slanted slot: shrinking to a small screen would cut it in pieces
     [](const QString &path) {
         painted(
             [](QPainter &p) {
                 p.drawRect(QRectF(10, 10, 480, 330));
                 p.setPen(QPen(Qt::black, 9));
                 p.drawLine(200, 140, 300, 152);
                 p.setPen(QPen(Qt::white, 2));
                 p.drawLine(203, 140, 297, 152);
             },
             false)
             .save(path, "BMP");
     },
     1},
    {"transparent.png",
     [](const QString &path) {
         painted(
             [](QPainter &p) {
                 p.setPen(QPen(Qt::black, 3));
                 p.drawRect(130, 80, 240, 190);
             },
             true, QImage::Format_ARGB32)
             .save(path, "PNG");
     },
     1},
    {"sheets.pdf",
     [](const QString &path) {
         QPdfWriter pdf(path);
         pdf.setResolution(72);
         pdf.setPageSize(QPageSize(QSizeF(pictureSize) * 2, QPageSize::Point));
         pdf.setPageMargins({});
         QPainter painter(&pdf);
         painter.scale(2, 2);
         drawRing(painter, 1);
         pdf.newPage();
         painter.resetTransform();
         painter.drawRect(200, 120, 600, 460);
     },
     2},
    {"shapes.svg",
     [](const QString &path) {
         QFile svg(path);
         svg.open(QIODevice::WriteOnly);
         svg.write(R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 500 350">
             <circle cx="250" cy="175" r="130" fill="#ddd" stroke="#222" stroke-width="1.5"/>
             <rect x="200" y="40" width="100" height="60" fill="none" stroke="#000"/></svg>)");
     },
     1},
};

} // namespace

TEST(ImportLineArt, GivesCleanClosedDrawingsThatSurviveTheSmallestScreen)
{
    const QSize smallCanvas = stretchedCanvasPixels({1024, 768});
    for (const Source &source : lineArt) {
        SCOPED_TRACE(source.name);
        const TempAppFolder folder;
        source.write(folder.file(source.name));
        QString output;
        ASSERT_EQ(import(folder, {"nuevo", source.name}, &output), 0) << output.toStdString();
        EXPECT_TRUE(folder.exists("logos/nuevo.gif"));
        for (int n = 1; n <= source.drawings + 1; ++n) {
            const QString path = folder.file("dibujos/nuevo/" + QString::number(n) + ".gif");
            ASSERT_EQ(QFile::exists(path), n <= source.drawings) << n;
            if (n > source.drawings)
                break;
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QByteArray gif = file.readAll();
            // A GIF whose only colour table holds white and black (bytes 13 to 18).
            EXPECT_TRUE(gif.startsWith("GIF") && (uchar(gif[10]) & 0x87) == 0x80);
            const QByteArray table = gif.mid(13, 6);
            EXPECT_TRUE(table == QByteArray("\xff\xff\xff\0\0\0", 6) ||
                        table == QByteArray("\0\0\0\xff\xff\xff", 6));
            const QImage drawing = QImage::fromData(gif).convertToFormat(QImage::Format_RGB32);
            EXPECT_EQ(drawing.size(), QSize(1000, 700));
            const Areas areas = whiteAreas(drawing); // fails on a grey pixel
            EXPECT_TRUE(linesAtLeastThreeThick(drawing));
            // The program's own fill, started in the middle, stays inside the shape.
            ASSERT_EQ(drawing.pixel(500, 350), 0xFFFFFFFF);
            const QRect inside = findSurfaceRegion(drawing, {500, 350}).bounds;
            EXPECT_TRUE(QRect(5, 5, 990, 690).contains(inside)) << "the middle area leaks out";
            EXPECT_GT(inside.width(), 100);
            const QImage shrunk =
                stretchImage(drawing, smallCanvas.width(), smallCanvas.height(), StretchMode::And);
            EXPECT_EQ(whiteAreas(shrunk).size.size(), areas.size.size());
            EXPECT_TRUE(
                output.contains(QString("%1 closed areas").arg(areas.closedOfAtLeast(1))))
                << output.toStdString();
        }
    }
}

TEST(ImportLineArt, RefusesWhatIsNoLineArtAndWritesNothing)
{
    QImage photo(640, 480, QImage::Format_RGB32);
    QRandomGenerator noise(7);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            photo.setPixel(x, y,
                           QColor::fromHsv((x + y) % 360, 120, 90 + noise.bounded(120)).rgb());
    const struct {
        QStringList arguments;
        const char *reason;
    } cases[] = {
        {{"fotos", "photo.jpg"}, "tiny"},
        {{"fotos", "night.png"}, "ink"},
        {{"fotos", "ring.png", "notes.png"}, "is not a picture"},
        {{"fotos", "ring.png", "missing.png"}, "does not exist"},
        {{"a/b", "ring.png"}, "cannot contain"},
        {{"..", "ring.png"}, "cannot be a category"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const TempAppFolder folder;
        photo.save(folder.file("photo.jpg"), "JPG", 90);
        painted([](QPainter &p) {
            p.fillRect(0, 0, 500, 350, Qt::black);
            p.setPen(QPen(Qt::white, 4));
            p.drawEllipse(100, 50, 300, 250);
        }).save(folder.file("night.png"));
        painted([](QPainter &p) { drawRing(p, 0); }).save(folder.file("ring.png"));
        folder.writeText("notes.png", "Lista de la clase\n");
        const QStringList before = filesIn(folder.path());
        QString output;
        EXPECT_NE(import(folder, c.arguments, &output), 0);
        EXPECT_TRUE(output.contains(c.reason)) << output.toStdString();
        EXPECT_EQ(filesIn(folder.path()), before);
    }
}

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
    ASSERT_EQ(import(folder, {"Granja", "--dry-run", "a.png"}, &output), 0);
    EXPECT_TRUE(output.contains("dibujos/granja/3.gif: 1000 x 700")) << output.toStdString();
    EXPECT_EQ(filesIn(folder.path()), before);

    ASSERT_EQ(import(folder, {"Granja", "a.png", "b.png"}, &output), 0) << output.toStdString();
    QStringList expected = before;
    expected << folder.file("dibujos/granja/3.gif") << folder.file("dibujos/granja/5.gif");
    expected.sort();
    EXPECT_EQ(filesIn(folder.path()), expected);
    EXPECT_EQ(QImage(folder.file("dibujos/granja/4.gif")).size(), QSize(300, 200));
}
