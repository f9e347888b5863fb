#include "platform/HeldMessages.h"

#include <QMutex>
#include <QMutexLocker>

namespace
{
QMutex heldMutex;
QStringList *holder = nullptr; // guarded by heldMutex

void hold(QtMsgType, const QMessageLogContext &, const QString &message)
{
    // The toolkit may log from its own threads while the call runs.
    const QMutexLocker lock(&heldMutex);
    if (holder)
        holder->append(message);
}
} // namespace

QStringList heldMessages(const std::function<void()> &call)
{
    QStringList messages;
    {
        const QMutexLocker lock(&heldMutex);
        holder = &messages;
    }
    const QtMessageHandler previous = qInstallMessageHandler(hold);
    call();
    qInstallMessageHandler(previous);
    const QMutexLocker lock(&heldMutex);
    holder = nullptr;
    return messages;
}

void logMissing(const char *what, const QStringList &reasons)
{
    if (reasons.isEmpty())
        qWarning("Tintaro: %s", what);
    else
        qWarning("Tintaro: %s (%s)", what, qUtf8Printable(reasons.join(QStringLiteral("; "))));
}

void logHeld(const QStringList &messages)
{
    for (const QString &message : messages)
        qWarning("%s", qUtf8Printable(message));
}
