#pragma once

#include "reliability/ContentSandbox.h"

#include <QString>
#include <QStringList>

// The ways a picture or settings file of an installation breaks.
enum class FileDamage {
    ZeroBytes,     // an empty file under the name
    Truncated,     // the first half of the file's bytes
    TextFile,      // a line of text under the picture's name
    PngContent,    // the picture saved as PNG under the same name
    HugeBmpHeader, // a bitmap header that claims 60000 x 60000 pixels, and little else
    UpperCaseName, // the same file under its name in capitals
    Missing,       // no such file
    Folder,        // a folder (holding one file) in place of the file
    NamedPipe,     // a named pipe in place of the file: opening it for reading would block
};

// The ways a folder of an installation breaks.
enum class FolderDamage {
    Missing,       // no such folder
    Empty,         // the folder without its files
    File,          // a file in place of the folder
    NoPermissions, // mode 000; root reads it all the same
};

const char *damageName(FileDamage damage);
const char *damageName(FolderDamage damage);

void damageFile(const ContentSandbox &box, const QString &relative, FileDamage damage);
void damageFolder(const ContentSandbox &box, const QString &relative, FolderDamage damage);

// Gives every folder under the root (the root included) its owner's usual
// permissions again, so that it can be compared and removed.
void restoreFolderPermissions(const QString &root);

// A header of a 24-bit bitmap of width x height followed by a few pixel bytes.
QByteArray bitmapHeaderOnly(int width, int height);

// While alive, no folder or file under the root can be changed: write
// permissions are taken away, and for root (whom permissions do not stop) the
// file system's immutable flag is set instead. active() is false when neither
// works here.
class ReadOnlyTree
{
public:
    explicit ReadOnlyTree(const QString &root);
    ~ReadOnlyTree();
    ReadOnlyTree(const ReadOnlyTree &) = delete;
    ReadOnlyTree &operator=(const ReadOnlyTree &) = delete;
    bool active() const { return locked; }

private:
    QStringList paths; // folders and files, the root first
    bool immutable = false;
    bool locked = false;
};
