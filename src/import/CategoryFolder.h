#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

// Why a name cannot be a category (Spanish / English), or empty when it can: a
// category is one folder under dibujos/ and its logo logos/<name>.gif.
QString categoryNameProblem(const QString &name);

// Where a category's drawings and logo go in an application folder.
struct CategoryFolder {
    QString name;     // as stored: an existing category keeps its own letter case
    QString drawings; // <app>/dibujos/<name>
    QString logoPath; // <app>/logos/<name>.gif, when the category has no logo yet
    bool hasLogo = false;
};

// The category `name` of the application folder, found without regard to
// letter case among the logos and the drawing folders, as the program finds it.
CategoryFolder locateCategory(const QString &appFolder, const QString &name);

// The first `count` numbers n for which the folder has no n.gif in any letter
// case: the gaps first, then after the last drawing.
QList<int> freeDrawingNumbers(const QString &folder, int count);

// Writes a new file whole or not at all: the bytes go to a hidden temporary
// file beside it, reach the disk, and only then take the name, which must be
// free (an existing file is never replaced). False with a reason otherwise.
bool writeNewFile(const QString &path, const QByteArray &bytes, QString *error);

// A category logo made from a drawing: its lines, cropped and fitted into the
// logo size of the program's own categories, on white.
QImage logoFromDrawing(const QImage &drawing);
