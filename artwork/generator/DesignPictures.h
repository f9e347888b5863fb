#pragma once

#include <QSize>
#include <QString>

#include <vector>

// A picture of the window design: its name (the SVG source and the PNG
// resource share it), its size in pixels, and whether it is a line drawing
// that must hold only pure black and pure white (the self-colouring title).
struct DesignPicture {
    QString name;
    QSize size;
    bool lineArt = false;
};

const std::vector<DesignPicture> &designPictures();

// Renders every design picture from sourceDir/<name>.svg to outputDir/<name>.png.
bool writeDesignPictures(const QString &sourceDir, const QString &outputDir);
