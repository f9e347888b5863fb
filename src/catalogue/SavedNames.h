#pragma once

#include <QDateTime>
#include <QString>

// The file name a saved colouring gets: the child's name, one space, then
// day-month-year--hour-minute-second and ".bmp", numbers without leading zeros,
// for example "Sin_nombre 5-3-2012--9-7-3.bmp".
//
// The name part is made harmless: characters that could leave the folder or
// are not allowed in file names (\ / : * ? " < > |, control characters, a
// lone surrogate), every "..", and a leading "." become "_"; then it is cut at
// a character boundary so that the whole name takes at most 255 bytes in UTF-8.
// Any other name, with spaces, accents or emoji, is kept exactly as typed.
QString savedSnapshotName(const QString &userName, const QDateTime &when);

// The name part alone after the replacements above, before any cutting.
QString fileSafeName(const QString &userName);

// True when the name can stand as one folder name inside the program's folders:
// not empty, not "." or "..", and without a backslash, a slash or a control
// character.
// A category's name is data: a name that could reach another folder is refused.
bool isOneFolderName(const QString &name);
