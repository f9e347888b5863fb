#include "app/Form1.h"

#include "platform/FileSearch.h"
#include "platform/PictureIO.h"

#include <QFile>
#include <QPushButton>
#include <utility>

// The buttons that move through the catalogue. Each step that fails (a missing
// folder, an unwritable kept colouring, a missing picture) is skipped and the
// next one runs.

void Form1::SaveColouredCopy()
{
    if (!drawingChanged)
        return;
    Picture1->setAutoRedraw(true);
    // Without a category there is no folder of its own to keep the colouring in;
    // without a drawing (a category with no "1.gif", where going back reaches
    // drawing 0) there is no drawing to keep it for, and no start-up would
    // ever clean it up.
    if (categoryBaseName(position.category()).isEmpty() || position.drawing() < 1)
        return;
    // The next drawing shows at once, painted over the canvas's own memory; the
    // colouring follows it to disk, held compact meanwhile.
    keptColourings.write(CompactImage(std::as_const(*Picture1).image()),
                         drawingPath(QStringLiteral(".bmp")));
}

void Form1::command4_Click()
{
    SaveColouredCopy();
    position.nextDrawing();
    LoadCurrentDrawing();
    ShowDrawing();
    drawingChanged = false;
    playSound(QStringLiteral("\\sonidos\\sonido1.wav"));
}

void Form1::command3_click()
{
    SaveColouredCopy();
    position.previousDrawing();
    LoadCurrentDrawing();
    ShowDrawing();
    playSound(QStringLiteral("\\sonidos\\sonido2.wav"));
}

void Form1::Command5_Click()
{
    SaveColouredCopy();
    position.nextCategory(File1.listCount());
    const QImage logo = loadPicture(File1.entryPath(position.category()));
    if (!logo.isNull())
        Command5->setIcon(QIcon(QPixmap::fromImage(logo)));
    LoadCurrentDrawing();
    ApplyDrawingMode();
    ShowDrawing();
    playSound(QStringLiteral("\\sonidos\\sonido3.wav"));
    CountDrawings();
}

void Form1::Command1_Click()
{
    // The same visit goes on: one undo press brings back what was erased.
    keepUndoSnapshot();
    undoHistory.keepWhole(Picture1->image());
    if (!categoryBaseName(position.category()).isEmpty()) {
        const QString copy = drawingPath(QStringLiteral(".bmp"));
        // A colouring still on its way to disk would bring the file back.
        keptColourings.waitFor(copy);
        if (findFile(copy) == QString::number(position.drawing()) + QStringLiteral(".bmp"))
            QFile::remove(copy);
        const QImage blank = loadPicture(drawingPath(QStringLiteral(".gif")));
        if (!blank.isNull())
            Picture8->setPicture(blank);
    }
    ShowDrawing();
    playSound(QStringLiteral("\\sonidos\\sonido4.wav"));
}
