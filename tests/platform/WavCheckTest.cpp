#include "platform/WavCheck.h"
#include "support/TempAppFolder.h"

#include <QtEndian>

namespace
{
QByteArray le(quint32 value, int bytes)
{
    const quint32 little = qToLittleEndian(value);
    return QByteArray(reinterpret_cast<const char *>(&little), bytes);
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
// What the player must never be handed: it would wait for the rest of the sound
// for good, and the window with it.
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
