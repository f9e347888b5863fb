#include "app/Form1.h"

#include "platform/FileSearch.h"
#include "platform/PictureIO.h"
#include "platform/WriteLeftovers.h"

#include <QFile>
#include <QPushButton>

namespace
{
// A settings file counts only when it is stored under exactly its lower-case
// name; then its first line is the value, else the value is empty.
QString readSetting(const QString &folder, const QString &name)
{
    const QString path = folder + QStringLiteral("/configuracion/") + name;
    QString line;
    if (findFile(path) != name || !readFirstLine(path, &line))
        return {};
    return line;
}

// Removes the hidden temporary files that writes cut short in an earlier run
// left in the folders the program writes to. A file changed in the last minute
// may belong to a write of another copy of the program, running now.
void removeEarlierWriteLeftovers(const Form1 &w)
{
    const QDateTime before = QDateTime::currentDateTime().addSecs(-60);
    removeWriteLeftovers(w.appPath(QStringLiteral("\\Misdibujos")), before);
    for (int i = 0; i < w.File1.listCount(); ++i) {
        const QString base = w.categoryBaseName(i);
        if (!base.isEmpty())
            removeWriteLeftovers(w.appPath(QStringLiteral("\\dibujos\\") + base), before);
    }
}
} // namespace

void Form1::Form_Load()
{
    paint.toStart();
    position.toStart();
    appFolder = programFolder;
    File1.setPath(appPath(QStringLiteral("\\logos")));
    File4.setPath(appPath(QStringLiteral("\\Misdibujos")));

    QString borra, impresora, guarda;
    readSettings(&borra, &impresora, &guarda);
    if (guarda != QLatin1String("SI")) {
        Command10->hide();
        Command11->hide();
    }
    naturalSizeShown = fitSetting != QLatin1String("SI");
    Command8->setEnabled(impresora.toUpper() != QLatin1String("NO"));
    drawingChanged = false;

    const QImage logo = loadPicture(File1.entryPath(0));
    if (!logo.isNull())
        Command5->setIcon(QIcon(QPixmap::fromImage(logo)));

    if (borra.toUpper() != QLatin1String("NO"))
        cleanUpColouredCopies();
    removeEarlierWriteLeftovers(*this);

    Picture1->setDrawingUnit(PictureArea::Unit::Pixels);
    Picture1->setDrawWidth(4);
    Picture1->setFillColor(paint.rgb());

    StartUpBlockA();

    LoadCurrentDrawing();
    ShowDrawing();
    CountDrawings();
    ApplyDrawingMode();

    StartUpBlockB();

    if (titleWindow)
        titleWindow->close();
}

void Form1::readSettings(QString *borra, QString *impresora, QString *guarda)
{
    *borra = readSetting(appFolder, QStringLiteral("borra.txt"));
    *impresora = readSetting(appFolder, QStringLiteral("impresora.txt"));
    fitSetting = readSetting(appFolder, QStringLiteral("adaptar.txt"));
    *guarda = readSetting(appFolder, QStringLiteral("guarda.txt"));
}

void Form1::cleanUpColouredCopies()
{
    for (int i = 0; i < File1.listCount(); ++i) {
        const QString folder = categoryFolder(i);
        if (folder.isEmpty())
            continue;
        // Read once: most drawings have no kept colouring, and each miss would
        // read the folder again.
        const FolderListing drawings(folder);
        for (int n = 1;
             !drawings.findNonFolder(QString::number(n) + QStringLiteral(".gif")).isEmpty(); ++n) {
            const QString copy = QString::number(n) + QStringLiteral(".bmp");
            if (drawings.findNonFolder(copy) == copy)
                QFile::remove(folder + copy);
        }
    }
}
