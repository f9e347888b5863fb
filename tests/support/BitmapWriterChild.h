#pragma once

#include <QImage>

// The two pictures the writer child alternates between, so a reader can tell
// an old file, a new file and a torn one apart.
QImage writerPicture(int which);

// Child-process mode of the test binary: writes the two pictures in turn to
// path for ever, through the program's own bitmap writer, printing "written"
// after each complete write. The crash-safety test kills it mid-write.
int runBitmapWriter(const char *path);
