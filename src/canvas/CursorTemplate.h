#pragma once

#include <QImage>

// The arrow from which the canvas's colour cursor is made: a 39 x 39 Format_RGB32
// picture of a mouse pointer aimed at the top-left corner, its tip at pixel (0, 0),
// with a black outline two to three pixels thick, a red interior and a white
// background, and no other colours. Pixel (5, 5) lies in the interior, and the
// outline is closed even for a fill that steps diagonally, so a border fill from
// (5, 5) recolours exactly the interior.
QImage makeCursorTemplate();
