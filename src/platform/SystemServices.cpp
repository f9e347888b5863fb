#include "platform/SystemServices.h"

#include "platform/HeldMessages.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QPrinter>
#include <QPrinterInfo>
#include <QUrl>

#include <utility>

// A missing printer or picture viewer is said once in the log; the child is
// never interrupted, the button just does nothing.

std::shared_ptr<QPrinter> openDefaultPrinter()
{
    static bool missingSaid = false;
    QPrinterInfo printer;
    const QStringList messages =
        heldMessages([&printer] { printer = QPrinterInfo::defaultPrinter(); });
    if (printer.isNull()) {
        if (!std::exchange(missingSaid, true))
            logMissing("no default printer, the print button prints nothing", messages);
        return nullptr;
    }
    logHeld(messages);
    return std::make_shared<QPrinter>(printer, QPrinter::HighResolution);
}

void openWithDesktop(const QUrl &file)
{
    // The desktop fails only when it has no program to open files with, which
    // does not change while the program runs: after a failure it is not asked again.
    static bool missing = false;
    if (missing)
        return;
    bool opened = false;
    const QStringList messages =
        heldMessages([&opened, &file] { opened = QDesktopServices::openUrl(file); });
    if (opened) {
        logHeld(messages);
        return;
    }
    missing = true;
    logMissing("no program to open saved pictures with, the open button opens nothing", messages);
}

void quitApplication()
{
    // exit() rather than quit(): quit() would first ask the windows to close,
    // and the program ends at once, as the child asked.
    QCoreApplication::exit(0);
}
