#include "content/ContentSupport.h"
#include "platform/PictureIO.h"

#include <QDir>
#include <QImageReader>
#include <QSet>
#include <gtest/gtest.h>

namespace
{

QSet<QRgb> coloursOf(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QSet<QRgb> colours;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            colours.insert(rgb.pixel(x, y));
    return colours;
}

// Mean absolute channel difference between two columns (or rows) of a picture.
double meanDifference(const QImage &image, QPoint first, QPoint second, QPoint step, int count)
{
    double sum = 0;
    for (int i = 0; i < count; ++i) {
        const QRgb a = image.pixel(first + step * i), b = image.pixel(second + step * i);
        sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
               std::abs(qBlue(a) - qBlue(b));
    }
    return sum / count;
}

// Across the seam of a tiled picture (last column next to the first) the change
// must be no larger than the largest change between neighbours inside it.
void expectSeamless(const QImage &picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const int w = image.width(), h = image.height();
    double inside = 0;
    for (int x = 0; x + 1 < w; ++x)
        inside = std::max(inside, meanDifference(image, {x, 0}, {x + 1, 0}, {0, 1}, h));
    EXPECT_LE(meanDifference(image, {w - 1, 0}, {0, 0}, {0, 1}, h), inside * 1.1 + 2);
    inside = 0;
    for (int y = 0; y + 1 < h; ++y)
        inside = std::max(inside, meanDifference(image, {0, y}, {0, y + 1}, {1, 0}, w));
    EXPECT_LE(meanDifference(image, {0, h - 1}, {0, 0}, {1, 0}, w), inside * 1.1 + 2);
}

} // namespace

TEST(DefaultPalettes, FillThePaletteColumnOfASmallScreen)
{
    for (const char *name : {"paletas/paletagrande.bmp", "paletas/paletapeque.bmp"}) {
        SCOPED_TRACE(name);
        const QImage palette = loadPicture(appPath(name));
        ASSERT_FALSE(palette.isNull());
        EXPECT_EQ(palette.width(), 92);
        EXPECT_GE(palette.height(), 680);
    }
}

TEST(DefaultPalettes, LargeHasManyColoursWithWhiteAndBlackSmallHasAboutADozen)
{
    const QSet<QRgb> large = coloursOf(loadPicture(appPath("paletas/paletagrande.bmp")));
    EXPECT_GE(large.size(), 60);
    EXPECT_TRUE(large.contains(0xFFFFFFFF));
    EXPECT_TRUE(large.contains(0xFF000000));
    const QSet<QRgb> small = coloursOf(loadPicture(appPath("paletas/paletapeque.bmp")));
    EXPECT_GE(small.size(), 8);
    EXPECT_LE(small.size(), 16);
}

TEST(DefaultTextures, AreAtLeastEightOfThePreviewSizeInAllThreeFormats)
{
    const QStringList names = QDir(appPath("texturas")).entryList(QDir::Files);
    EXPECT_GE(names.size(), 8);
    QSet<QByteArray> formats;
    for (const QString &name : names) {
        SCOPED_TRACE(name.toStdString());
        const QString path = appPath("texturas/" + name);
        const QImage texture = loadPicture(path);
        ASSERT_FALSE(texture.isNull());
        EXPECT_EQ(texture.size(), QSize(97, 73));
        formats.insert(QImageReader::imageFormat(path));
        expectSeamless(texture);
    }
    EXPECT_EQ(formats, (QSet<QByteArray>{"bmp", "gif", "jpeg"}));
}

TEST(DefaultBackground, IsACalmSeamlessTile)
{
    const QImage tile = loadPicture(appPath("fondo.jpg"));
    ASSERT_FALSE(tile.isNull());
    expectSeamless(tile);
    // Calm: no pixel far from the average, so the drawing stays in front.
    const QImage rgb = tile.convertToFormat(QImage::Format_RGB32);
    const QRgb mid = rgb.pixel(rgb.width() / 2, 0);
    for (QRgb c : coloursOf(rgb))
        EXPECT_LE(std::abs(qGray(c) - qGray(mid)), 40);
}

TEST(DefaultToolAnimations, AreAnimatedAtTheToolIconSizes)
{
    const struct {
        const char *path;
        QSize size;
    } tools[] = {
        {"gifs/pato.gif", {90, 91}}, {"gifs/lapiz.gif", {74, 121}}, {"gifs/recta.gif", {94, 81}}};
    for (const auto &tool : tools) {
        SCOPED_TRACE(tool.path);
        EXPECT_EQ(loadPicture(appPath(tool.path)).size(), tool.size);
        QImageReader reader(appPath(tool.path));
        EXPECT_GT(reader.imageCount(), 1);
        EXPECT_TRUE(reader.supportsAnimation());
        QImage first, frame;
        ASSERT_TRUE(reader.read(&first));
        bool moves = false;
        while (reader.read(&frame)) {
            EXPECT_EQ(frame.size(), tool.size);
            moves |= frame != first;
        }
        EXPECT_TRUE(moves) << "every frame is the same picture";
    }
}
