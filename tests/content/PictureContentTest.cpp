#include "content/Content.h"

#include <QImageReader>
#include <QSet>

namespace
{
QSet<QRgb> coloursOf(const QImage &picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    QSet<QRgb> colours;
    for (int i = 0; i < image.width() * image.height(); ++i)
        colours.insert(image.pixel(i % image.width(), i / image.width()));
    return colours;
}

} // namespace

// Both palettes fill the palette column of a small screen: the large one with
// many colours, white and black among them; the small one with about a dozen.
TEST(DefaultContent, PalettesFillTheColumnOfASmallScreen)
{
    const QImage large = loadPicture(appPath("paletas/paletagrande.bmp"));
    const QImage small = loadPicture(appPath("paletas/paletapeque.bmp"));
    for (const QImage &palette : {large, small}) {
        EXPECT_EQ(palette.width(), 92);
        EXPECT_GE(palette.height(), 680);
    }
    EXPECT_GE(coloursOf(large).size(), 60);
    EXPECT_TRUE(coloursOf(large).contains(0xFFFFFFFF) && coloursOf(large).contains(0xFF000000));
    EXPECT_TRUE(coloursOf(small).size() >= 8 && coloursOf(small).size() <= 16);
}

// At least eight textures of the preview's size, in all three formats.
TEST(DefaultContent, TexturesFitThePreviewInAllThreeFormats)
{
    const QStringList names = QDir(appPath("texturas")).entryList(QDir::Files);
    EXPECT_GE(names.size(), 8);
    QSet<QByteArray> formats;
    for (const QString &name : names) {
        EXPECT_EQ(loadPicture(appPath("texturas/" + name)).size(), QSize(97, 73))
            << name.toStdString();
        formats.insert(QImageReader::imageFormat(appPath("texturas/" + name)));
    }
    EXPECT_EQ(formats, (QSet<QByteArray>{"bmp", "gif", "jpeg"}));
}

TEST(DefaultContent, ToolAnimationsMoveAtTheToolIconSizes)
{
    const std::pair<const char *, QSize> tools[] = {
        {"gifs/pato.gif", {90, 91}}, {"gifs/lapiz.gif", {74, 121}}, {"gifs/recta.gif", {94, 81}}};
    for (const auto &[path, size] : tools) {
        QImageReader reader(appPath(path));
        QImage first, frame;
        ASSERT_TRUE(reader.supportsAnimation() && reader.read(&first)) << path;
        EXPECT_EQ(first.size(), size) << path;
        bool moves = false;
        while (reader.read(&frame))
            moves |= frame != first && frame.size() == size;
        EXPECT_TRUE(moves) << path;
    }
}
