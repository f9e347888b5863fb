#include "platform/SoundPlayer.h"
#include "platform/SystemServices.h"

#include <QTest>
#include <QUrl>
#include <functional>
#include <gtest/gtest.h>

namespace
{
QStringList logged;
void keep(QtMsgType, const QMessageLogContext &, const QString &message)
{
    logged << message;
}
} // namespace

// A sound device, printer or picture viewer this machine lacks is said once in
// the log at most, however often the child presses (the toolkit alone would
// complain at every sound and every open).
TEST(MissingServices, AreSaidOnceAtMost)
{
    SystemSoundPlayer player;
    const std::pair<const char *, std::function<void(int)>> buttons[] = {
        {"sound",
         [&](int n) {
             player.play(QStringLiteral(TINTARO_APP_DIR "/sonidos/sonido%1.wav").arg(1 + n % 2));
             QTest::qWait(300); // a sound loads and starts in its own time
         }},
        {"printer", [](int) { openDefaultPrinter(); }},
        {"viewer",
         [](int) { openWithDesktop(QUrl::fromLocalFile(TINTARO_APP_DIR "/fondo.jpg")); }}};
    for (const auto &[service, press] : buttons) {
        logged.clear();
        const QtMessageHandler previous = qInstallMessageHandler(keep);
        for (int n = 0; n < 3; ++n)
            press(n);
        qInstallMessageHandler(previous);
        EXPECT_LE(logged.size(), 1) << service << ": " << logged.join('\n').toStdString();
    }
}
