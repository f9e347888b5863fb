#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <string>

// A canvas prepared for measuring: the picture and the pixel a child presses.
struct Scene {
    std::string name;
    QImage image; // Format_RGB32, as the canvas keeps it
    QPoint press;
};

// A blank white canvas: one area as large as the canvas.
Scene wholeCanvas(QSize size);

// Outlines of circles and rectangles, 4 px black lines on white, scattered and
// overlapping over the canvas. The press lands on the background, the large
// area that winds between all of them.
Scene lineDrawing(QSize size);

// A maze of one-pixel white corridors between one-pixel black walls, every
// corridor reachable from the press: the worst case for a span fill.
Scene corridorMaze(QSize size);

// A tile of the size given whose neighbouring pixels all differ.
QImage textureTile(QSize size);
