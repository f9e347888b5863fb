#pragma once

#include <QDateTime>
#include <QString>

// The hidden temporary file of writeBitmap (PictureIO.h) in the target's
// folder; Qt puts six random letters in place of the Xs.
inline const QString writeTemporaryPattern = QStringLiteral(".tintaro-XXXXXX.tmp");

// True for a bare file name the writer's temporary files can have.
bool isWriteLeftoverName(const QString &name);

// Removes from one folder the temporary files of writes that never finished
// (the program killed half way, a power cut): ordinary files under the
// writer's name pattern last changed before `before`. Anything else, a
// teacher's own hidden file included, stays. A file that cannot be removed
// stays as well.
void removeWriteLeftovers(const QString &folder, const QDateTime &before);
