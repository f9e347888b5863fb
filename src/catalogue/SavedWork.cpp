#include "app/Form1.h"

#include "app/ProgramState.h"
#include "catalogue/SavedNames.h"
#include "platform/PictureIO.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

// Saved colourings live in "Misdibujos" for good: the program never deletes them.

namespace
{
// Long enough to be seen, short enough not to hide the colouring.
constexpr int saveFlashMilliseconds = 150;
} // namespace

void Form1::Command10_Click()
{
    Picture1->keepImageAsPicture();
    Picture1->setAutoRedraw(true);
    const QString folder = appPath(QStringLiteral("\\Misdibujos"));
    QDir().mkpath(folder);
    const QDateTime now = clock ? clock() : QDateTime::currentDateTime();
    // A write that fails leaves the canvas and every earlier file as they were,
    // and the child hears that it did not work.
    if (!writeBitmap(Picture1->image(),
                     folder + QLatin1Char('/') + savedSnapshotName(userName, now))) {
        if (sound)
            sound->beep();
        return;
    }
    // A camera's click and a short white flash: the picture is kept.
    playSound(QStringLiteral("\\sonidos\\sonido6.wav"));
    Picture1->flash(qRgb(255, 255, 255), saveFlashMilliseconds);
}

void Form1::Command11_Click()
{
    // Read now, so that a colouring saved in this run is there too; the file
    // saved last is the newest, whatever its name (names are not in time
    // order: "Ana 10-1-2027" sorts before "Ana 9-1-2027"). Equal times: the
    // later name.
    File4.setPath(appPath(QStringLiteral("\\Misdibujos")));
    QString newest;
    QDateTime newestTime;
    for (int i = 0; i < File4.listCount(); ++i) {
        const QFileInfo file(File4.entryPath(i));
        if (!file.isFile())
            continue;
        const QDateTime modified = file.lastModified();
        if (newest.isEmpty() || modified >= newestTime) {
            newest = file.filePath();
            newestTime = modified;
        }
    }
    if (newest.isEmpty() || !openDocument)
        return;
    openDocument(QUrl::fromLocalFile(newest));
}

void Form1::Command2_Click()
{
    SaveColouredCopy();
    // Nothing handed to the disk is left behind.
    keptColourings.waitFor();
    if (quitProgram)
        quitProgram();
}

void Form1::closeEvent(QCloseEvent *event)
{
    Command2_Click();
    event->accept();
}
