#include "platform/WaysOut.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace
{
int signalPipe[2] = {-1, -1};
volatile std::sig_atomic_t endRequested = 0;

void onSignal(int number)
{
    if (endRequested) {
        std::signal(number, SIG_DFL);
        std::raise(number);
        return;
    }
    endRequested = 1;
    const int saved = errno;
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, 1);
    errno = saved;
}

// The X11 DestroyNotify event as the xcb connection hands it over.
struct DestroyNotify {
    std::uint8_t responseType;
    std::uint8_t pad;
    std::uint16_t sequence;
    std::uint32_t event;
    std::uint32_t window;
};
constexpr std::uint8_t destroyNotifyType = 17;
} // namespace

void onTerminationSignals(QObject *owner, std::function<void()> handler)
{
    if (signalPipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return;
    for (int end : signalPipe) {
        ::fcntl(end, F_SETFD, FD_CLOEXEC);
        ::fcntl(end, F_SETFL, ::fcntl(end, F_GETFL) | O_NONBLOCK);
    }
    auto *notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, owner);
    QObject::connect(notifier, &QSocketNotifier::activated, owner, [handler] {
        char bytes[16];
        while (::read(signalPipe[1], bytes, sizeof bytes) > 0) {
        }
        handler();
    });
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(number, &action, nullptr);
}

bool DestroyedWindowCloser::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const DestroyNotify *>(message);
    // An event sent by another client rather than by the X server proves nothing.
    if (event->responseType != destroyNotifyType)
        return false;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        // internalWinId(), not winId(): asking a widget without a native
        // window for its id would make one.
        if (window->isVisible() && window->internalWinId() == event->window)
            QMetaObject::invokeMethod(window, &QWidget::close, Qt::QueuedConnection);
    }
    return false;
}
