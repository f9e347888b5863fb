#include "content/Content.h"

#include <QImageReader>

// The pictures have the sizes the window gives them, each tool's animation the
// size of its icon. The buttons' pictures are compiled into the program's
// library, which drops resources nobody references unless it is linked whole.
TEST(DefaultContent, PicturesHaveTheSizesTheWindowGivesThem)
{
    // clang-format off
    std::vector<std::pair<QString, QSize>> pictures = {{":/design/title.png", {518, 528}},
        {":/design/hand.png", {113, 41}}, {":/design/decor.png", {92, 100}},
        {appPath("paletas/paletagrande.bmp"), {92, 690}}, {appPath("paletas/paletapeque.bmp"), {92, 690}},
        {appPath("gifs/pato.gif"), {90, 91}}, {appPath("gifs/lapiz.gif"), {74, 121}},
        {appPath("gifs/recta.gif"), {94, 81}}};
    // clang-format on
    for (const auto &[buttons, size] : {std::pair{"1 2 3 4 6", QSize(65, 67)},
                                        {"7 8 9", QSize(73, 73)},
                                        {"10 11", QSize(65, 65)}})
        for (const QString &n : QString(buttons).split(' '))
            pictures.push_back({":/design/Command" + n + ".png", size});
    for (const QString &name : QDir(appPath("texturas")).entryList(QDir::Files))
        pictures.push_back({appPath("texturas/" + name), {97, 73}});
    EXPECT_GE(pictures.size(), 18u + 8u);
    for (const auto &[path, size] : pictures)
        EXPECT_EQ(QImageReader(path).size(), size) << path.toStdString();
}
