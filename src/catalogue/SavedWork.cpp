#include "app/Form1.h"

#include "app/ProgramState.h"
#include "catalogue/SavedNames.h"
#include "platform/PictureIO.h"

#include <QDir>
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
    // The list is the folder as it was at start-up; its last entry by name.
    const int last = File4.listCount() - 1;
    if (last < 0 || !openDocument)
        return;
    openDocument(QUrl::fromLocalFile(File4.entryPath(last)));
}

void Form1::Command2_Click()
{
    SaveColouredCopy();
    if (quitProgram)
        quitProgram();
}
