#include "DesignPictures.h"

#include "LineArt.h"
#include "SvgPictures.h"

#include <QDir>
#include <QTextStream>

const std::vector<DesignPicture> &designPictures()
{
    static const std::vector<DesignPicture> pictures = {
        {"Command1", {65, 67}},      {"Command2", {65, 67}}, {"Command3", {65, 67}},
        {"Command4", {65, 67}},      {"Command6", {65, 67}}, {"Command7", {73, 73}},
        {"Command8", {73, 73}},      {"Command9", {73, 73}}, {"Command10", {65, 65}},
        {"Command11", {65, 65}},     {"hand", {113, 41}},    {"decor", {92, 100}},
        {"title", {518, 528}, true},
    };
    return pictures;
}

bool writeDesignPictures(const QString &sourceDir, const QString &outputDir)
{
    QDir().mkpath(outputDir);
    bool ok = true;
    for (const DesignPicture &picture : designPictures()) {
        const QString svg = sourceDir + "/" + picture.name + ".svg";
        const QImage image =
            picture.lineArt ? renderLineArt(svg, picture.size) : renderPicture(svg, picture.size);
        if (image.isNull() || !image.save(outputDir + "/" + picture.name + ".png", "PNG")) {
            QTextStream(stderr) << "cannot make design picture " << picture.name << "\n";
            ok = false;
        }
    }
    return ok;
}
