#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

class Form1;

// What the window asked of the services that would leave the process: they
// are replaced, so that nothing is launched, printed on paper or ended.
struct ServiceLog {
    int quits = 0;
    int prints = 0;
    QList<QUrl> opened;
};

// Replaces the quit, open and print services (printing goes to a PDF file),
// the sounds and the message box, and gives saved colourings a clock that
// moves on a second at every save.
void replaceServices(Form1 &w, ServiceLog &log, const QString &pdfPath);

// Presses every button and clicks every area of the window once or a few
// times, through the widgets' own mouse events where a child would use them:
// the window's paint, each tool on the canvas (press, drag out of the canvas
// and back, release outside), the palette (click, double click), every
// swatch, the thickness indicator round its whole cycle, the texture preview
// with both buttons and a texture fill, the mosaic lines, the fit toggle both
// ways, undo past the ring, save, print, open, every navigation button, every
// category in turn, and quit. Returns the kept colourings (relative to the
// sandbox, "app/dibujos/<category>/<n>.bmp") the erase button was pressed on.
QStringList useEveryControl(Form1 &w);
