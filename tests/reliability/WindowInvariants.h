#pragma once

#include <QSize>
#include <QStringList>

class Form1;

// Every state field of the main window outside its range, or an empty list:
// the colour components 0..255, undoIndex 0..3, currentTool 0..2, penWidth
// 1..40, drawingNumber 1..drawingCount (when the category has drawings),
// categoryIndex and textureIndex in their lists (when the lists have entries),
// and the simple mode agreeing with the category's name.
QStringList stateOutOfRange(const Form1 &w);

// The canvas's size when the drawing is stretched to its frame: the frame
// less 120 twips each way.
QSize stretchedCanvasSize(const Form1 &w);
// The canvas's size at natural size: the drawing's as loaded, or, with no
// drawing loaded, what the frame gives it.
QSize naturalCanvasSize(const Form1 &w);
