#include "platform/WavCheck.h"
#include "support/MainWindowFixture.h"

#include <QApplication>
#include <QtEndian>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <thread>

namespace
{
QByteArray le(quint32 value, int bytes)
{
    QByteArray out(4, '\0');
    qToLittleEndian(value, out.data());
    return out.left(bytes);
}

// A PCM WAV file of `dataBytes` bytes of silence; `claimed` replaces the size
// its data chunk states.
QByteArray wav(int channels, int bits, int dataBytes, qint64 claimed = -1)
{
    const int frame = channels * bits / 8;
    const QByteArray body = "WAVEfmt " + le(16, 4) + le(1, 2) + le(channels, 2) + le(22050, 4) +
                            le(22050 * frame, 4) + le(frame, 2) + le(bits, 2) + "data" +
                            le(claimed < 0 ? dataBytes : claimed, 4) + QByteArray(dataBytes, 0);
    return "RIFF" + le(body.size(), 4) + body;
}

const QByteArray sound = wav(1, 16, 4000);
// clang-format off
const std::pair<const char *, QByteArray> damages[] = {
    {"empty", {}}, {"header only", sound.left(44)}, {"cut in half", sound.left(sound.size() / 2)},
    {"4 GB data chunk", wav(1, 16, 4000, 0xFFFFFFF0)}, {"half a sample at the end", wav(1, 16, 4001)},
    {"24 bits", wav(1, 24, 3000)}, {"not a WAV", "a text file\n"}};
// clang-format on
} // namespace

TEST(SoundCheck, PlaysOnlyWholePcmWaves)
{
    TempAppFolder folder;
    folder.writeText("stereo8.wav", wav(2, 8, 4000));
    EXPECT_TRUE(isPlayableWavFile(folder.file("stereo8.wav")));
    for (const auto &[name, bytes] : damages) {
        folder.writeText(QString(name) + ".wav", bytes);
        EXPECT_FALSE(isPlayableWavFile(folder.file(QString(name) + ".wav"))) << name;
    }
    folder.makeFolder("folder.wav");
    EXPECT_FALSE(isPlayableWavFile(folder.file("folder.wav")));
    EXPECT_FALSE(isPlayableWavFile(folder.file("missing.wav")));
}

// The window's own player: a damaged sound it handed over would make the next
// sound wait for good. A watchdog ends the test with a message if a press does
// not return; on a loaded machine a press takes well under a second.
TEST_F(MainWindowFixture, DamagedSoundsLeaveEveryButtonAnswering)
{
    writeTwoCategories();
    app.writePicture("paletas/paletagrande.bmp", QImage(20, 20, QImage::Format_RGB32));
    for (int n = 1; n <= 5; ++n) // each of the five sounds damaged its own way
        app.writeText(QString("sonidos/sonido%1.wav").arg(n), damages[n - 1].second);
    window = std::make_unique<Form1>(app.path()); // with the real sound player
    window->showMessage = [](const QString &) {};
    window->Form_Load();
    Form1 &w = *window;
    std::promise<void> answered;
    std::thread watchdog([press = answered.get_future()] {
        if (press.wait_for(std::chrono::seconds(120)) == std::future_status::timeout) {
            std::fprintf(stderr, "a press on a button with a damaged sound never returned\n");
            std::abort();
        }
    });
    // clang-format off
    const std::function<void()> presses[] = {[&] { w.command4_Click(); }, [&] { w.command3_click(); },
        [&] { w.Command5_Click(); }, [&] { w.Command1_Click(); }, [&] { w.Picture6_mousedown(1, 0, 5, 5); },
        [&] { w.Command6_Click(); }};
    // clang-format on
    for (const auto &press : presses) { // twice: the second sound is the one that would wait
        press();
        press();
        QApplication::processEvents();
    }
    answered.set_value();
    watchdog.join();
    EXPECT_EQ(WindowAccess::position(w).drawing(), 1)
        << "next twice, previous twice, the category twice";
    EXPECT_EQ(WindowAccess::position(w).category(), 0);
}
