#pragma once

#include "import/CommandLine.h"

class QTextStream;

// Runs one import. Every file is read and cleaned first, and only when all of
// them give drawings is anything written: the drawings under the category's
// next free numbers, then the logo of a new category. Problems go to `errors`,
// one line per drawing to `report`. Gives the exit status: 0 when done.
int runImport(const ImportRequest &request, QTextStream &report, QTextStream &errors);
