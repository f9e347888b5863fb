#include "app/Form2.h"
#include "platform/LeanMemory.h"
#include "platform/WaysOut.h"

#include <QApplication>

int main(int argc, char **argv)
{
    keepLargeBlocksApart();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tintaro"));
    Form2 title(QCoreApplication::applicationDirPath());
    title.Form_Load();
    title.show();
    // Every way out keeps the colouring as the quit button does: the main
    // window's close keeps it, and closing the title window ends the program.
    DestroyedWindowCloser destroyedWindows;
    app.installNativeEventFilter(&destroyedWindows);
    onTerminationSignals(&app, [] {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window->isVisible())
                window->close();
        QCoreApplication::exit(0);
    });
    return app.exec();
}
