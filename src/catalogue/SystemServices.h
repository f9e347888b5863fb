#pragma once

#include <memory>

class QPrinter;
class QUrl;

// What the catalogue asks of the desktop. The main window holds each one as a
// replaceable service, so that tests print to a file, open nothing and stay alive.

// The system's default printer, or null when there is none.
std::shared_ptr<QPrinter> openDefaultPrinter();

// Opens a file with the program the desktop associates with its kind.
void openWithDesktop(const QUrl &file);

// Ends the program at once: the event loop returns without running further events.
void quitApplication();
