#pragma once

#include <QHash>
#include <QSet>
#include <QString>

// Looks a path up without regard to letter case, so that content copied from a
// disk that ignores case still opens: the bare file name as stored on disk, found without
// regard to letter case (an exact match wins), or an empty string. Callers
// compare the result exactly where letter case matters.
QString findFile(const QString &path);

// True when the path names something that no reader may open: a named pipe,
// a socket or a device, directly or through a link. Opening a pipe for reading
// waits for a writer that may never come, and a device may never end; an
// ordinary file, a folder or a missing path is not special.
bool isSpecialFile(const QString &path);

// The names of one folder, read once, answering as findFile does for the
// names in that folder. For loops that look up many names in one folder:
// each miss of findFile reads the whole folder again. A listing does not see
// files added or removed after it was made.
class FolderListing
{
public:
    explicit FolderListing(const QString &folder);
    // As findFile(folder + "/" + name) for a bare file name.
    QString find(const QString &name) const;
    // As find, but empty when the name found is a folder's: a folder called
    // "2.gif" is not a drawing.
    QString findNonFolder(const QString &name) const;

private:
    QSet<QString> names;
    QSet<QString> folders;
    QHash<QString, QString> byFoldedName; // the first name in folder order for each
};

// Reads the first line of a text file into *line. A line ends at CR LF, at CR
// alone, at LF alone, or at the end of the file; the line break is not part of
// the line and nothing is trimmed. Only the first few kilobytes are read, so a
// huge file without a line break costs nothing. False when the file cannot be read
// or is special (see above).
bool readFirstLine(const QString &path, QString *line);
