#include "catalogue/SystemServices.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QPrinter>
#include <QPrinterInfo>
#include <QUrl>

std::shared_ptr<QPrinter> openDefaultPrinter()
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull())
        return nullptr;
    return std::make_shared<QPrinter>(printer, QPrinter::HighResolution);
}

void openWithDesktop(const QUrl &file)
{
    // A file the desktop cannot open is simply not opened.
    QDesktopServices::openUrl(file);
}

void quitApplication()
{
    // exit() rather than quit(): quit() would first ask the windows to close,
    // and the program ends at once, as the child asked.
    QCoreApplication::exit(0);
}
