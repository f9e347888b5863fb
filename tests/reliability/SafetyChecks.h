#pragma once

#include "reliability/ContentSandbox.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>

// Empty when the bytes are a whole 24-bit Windows bitmap that loads as a
// picture (of the given size, when one is given), else what is wrong with them.
QString bitmapProblem(const QByteArray &bytes, QSize expectedSize = {});

// Paths relative to the application folder: a kept colouring
// "dibujos/<category>/<n>.bmp" (n from 1) and a saved colouring
// "Misdibujos/<name>.bmp" (not hidden).
bool isKeptColouring(const QString &relative);
bool isSavedColouring(const QString &relative);

// What the program may change in its application folder during a run.
struct AllowedChanges {
    // The start-up clean-up is on: it deletes kept colourings.
    bool cleanUp = false;
    // Kept colourings (paths relative to the sandbox) the child erased with
    // the "start again" button.
    QStringList erased;
};

// Compares a sandbox (see ContentSandbox) before and after a run, and lists
// every way the run broke the rules for what the program may touch:
// - outside "app/" nothing is created, changed or removed;
// - inside it, no file or folder that was there goes missing, except kept
//   colourings ("app/dibujos/<category>/<n>.bmp") that the clean-up or the
//   erase button deletes;
// - no file changes its bytes, except kept colourings rewritten as whole bitmaps;
// - new files are only kept colourings and saved colourings ("app/Misdibujos/
//   *.bmp"), each a whole bitmap: no leftovers of an interrupted write;
// - new folders are only the saved colourings' folder (and the application
//   folder itself, when the run started without one).
QStringList sandboxProblems(const FolderSnapshot &before, const FolderSnapshot &after,
                            const AllowedChanges &allowed);
