#include "app/Form1.h"

#include "app/ProgramState.h"
#include "catalogue/SavedNames.h"
#include "platform/PictureIO.h"

#include <QCloseEvent>
#include <QDir>
#include <QUrl>

// Saved colourings live in "Misdibujos" for good: the program never deletes them.

void Form1::Command10_Click()
{
    Picture1->keepImageAsPicture();
    Picture1->setAutoRedraw(true);
    const QString folder = appPath(QStringLiteral("\\Misdibujos"));
    QDir().mkpath(folder);
    const QDateTime now = clock ? clock() : QDateTime::currentDateTime();
    // A write that fails leaves the canvas and every earlier file as they were.
    writeBitmap(Picture1->image(), folder + QLatin1Char('/') + savedSnapshotName(userName, now));
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

void Form1::closeEvent(QCloseEvent *event)
{
    Command2_Click();
    event->accept();
}
