#pragma once

#include <memory>

class QPrinter;
class QUrl;

// What the program asks of the desktop. The main window holds each one as a
// replaceable service, so that tests print to a file, open nothing and stay alive.

// The system's default printer, or null when there is none (said once in the log).
std::shared_ptr<QPrinter> openDefaultPrinter();

// Opens a file with the program the desktop associates with its kind. When the
// desktop has none, the log says so once and later calls do nothing.
void openWithDesktop(const QUrl &file);

// Ends the program at once: the event loop returns without running further events.
void quitApplication();
