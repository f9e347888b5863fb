#include "catalogue/SystemServices.h"
#include "platform/SoundPlayer.h"

#include <QTest>
#include <QUrl>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace
{
QStringList logged;
void keep(QtMsgType, const QMessageLogContext &, const QString &message)
{
    logged << message;
}

using Press = std::function<void(int)>; // the n-th press of a button

Press soundButton()
{
    auto player = std::make_shared<SystemSoundPlayer>();
    return [player](int n) {
        player->play(QStringLiteral(TINTARO_APP_DIR "/sonidos/sonido%1.wav").arg(1 + n % 2));
        QTest::qWait(300); // a sound loads and starts in its own time
    };
}
Press printButton()
{
    return [](int) { openDefaultPrinter(); };
}
Press openButton()
{
    return [](int) { openWithDesktop(QUrl::fromLocalFile(TINTARO_APP_DIR "/fondo.jpg")); };
}

using MissingService = std::pair<const char *, Press (*)()>;
class MissingServices : public ::testing::TestWithParam<MissingService>
{
};

// A sound device, printer or picture viewer this machine lacks is said once in
// the log at most, however often the child presses (the toolkit alone would
// complain at every sound and every open).
TEST_P(MissingServices, AreSaidOnceAtMost)
{
    const Press press = GetParam().second();
    logged.clear();
    const QtMessageHandler previous = qInstallMessageHandler(keep);
    for (int n = 0; n < 3; ++n)
        press(n);
    qInstallMessageHandler(previous);
    EXPECT_LE(logged.size(), 1) << logged.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Buttons, MissingServices,
                         ::testing::Values(MissingService{"sound", soundButton},
                                           MissingService{"printer", printButton},
                                           MissingService{"viewer", openButton}),
                         [](const auto &info) { return std::string(info.param.first); });
} // namespace
