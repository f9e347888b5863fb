#pragma once

#include <QAbstractNativeEventFilter>
#include <functional>

class QObject;

// Ways a program can be ended from outside, turned into the program's own way
// out, so that nothing a child made is lost on the way.

// Calls `handler` on the user-interface thread when the program is asked to
// end by SIGTERM (a logout, a shutdown), SIGINT (Ctrl+C) or SIGHUP (its
// terminal gone). The signal itself only writes a byte to a pipe that the
// event loop watches. A second signal ends the program at once, as it would
// without the handler: a program that cannot answer can still be ended.
// Installed once per program; `owner` holds the pipe's watcher.
void onTerminationSignals(QObject *owner, std::function<void()> handler);

// Under X11 another program (a desktop tool, a script) can destroy a window
// outright. Qt passes that on to no widget: the widget stays visible for Qt
// with nothing on the screen, and the program would wait for good for a child
// who can no longer reach it. This filter closes such a widget, as the window
// manager's close would; install it with QCoreApplication::installNativeEventFilter.
class DestroyedWindowCloser : public QAbstractNativeEventFilter
{
public:
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;
};
