#pragma once

#include <QCursor>
#include <QImage>

// Turns a picture into a cursor of width x height pixels (0 means 32) whose hot spot
// is its top-left pixel; see makeCursorImage for the scaling and transparency rules.
// kind is non-zero for an icon and 0 for a cursor; both come out the same here.
QCursor PictureToIcon(const QImage &picture, int width, int height, int stretchMode, int kind,
                      qint64 transparentColour);
