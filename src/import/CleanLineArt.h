#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Every imported drawing is this size, the size of the program's own drawings.
inline constexpr QSize importedDrawingSize(1000, 700);

// SVG and PDF pages are drawn at this size before cleaning: twice the drawing,
// so that thin lines survive until the final shrink.
inline constexpr QSize vectorPageSize(2000, 1400);

// A drawing made from one picture, or why none could be made.
struct CleanedDrawing {
    QImage drawing;      // importedDrawingSize, Format_RGB32, only 0x000000 and 0xFFFFFF
    int closedAreas = 0; // white areas a fill started inside cannot leave
    int gapsClosed = 0;
    bool blank = false; // no lines at all
    QString refusal;    // why this is not line art (Spanish / English); empty when it is
};

// The widest gap closed when none is asked for: a little more for larger pictures.
int defaultGap(QSize pictureSize);

// Turns a picture (opaque, on white) into a colouring drawing: black and white
// by a threshold chosen from the picture itself, specks and pinholes removed,
// gaps of at most `gap` pixels of the picture closed, its white margins dropped,
// fitted and centred on white, every line at least 3 pixels wide, and thickened
// further wherever shrinking to `smallCanvas` with the AND rule would lose or
// split an area. Refuses pictures with far too many tiny pieces or too much ink.
CleanedDrawing cleanLineArt(const QImage &picture, int gap, QSize smallCanvas);
