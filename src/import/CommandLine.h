#pragma once

#include <QString>
#include <QStringList>

// What tintaro-import was asked to do.
struct ImportRequest {
    QString appFolder; // empty: the folder of the executable
    QString category;  // as typed; checked by checkCategoryName
    QStringList files; // pictures and PDF worksheets, in the order given
    int gap = -1;      // widest gap to close, in pixels of the picture; -1: from its size
    bool dryRun = false;
};

// The outcome of reading the arguments: a request, the help, or a mistake.
struct ParsedCommandLine {
    ImportRequest request;
    bool helpWanted = false;
    QString mistake; // empty when the arguments make sense
};

// Reads the arguments that follow the program's name.
ParsedCommandLine parseCommandLine(const QStringList &arguments);

// The help text, in Spanish and in English.
QString helpText();
