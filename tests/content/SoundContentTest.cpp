#include "content/ContentSupport.h"

#include <QFile>
#include <QSet>
#include <QtEndian>
#include <gtest/gtest.h>

namespace
{

struct WavInfo {
    bool valid = false;
    int format = 0, channels = 0, sampleRate = 0, bitsPerSample = 0;
    QByteArray samples;
};

// Walks the RIFF chunks the way a player does, so a wrong size field shows.
WavInfo readWav(const QByteArray &bytes)
{
    WavInfo info;
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return info;
    if (qFromLittleEndian<quint32>(bytes.constData() + 4) != quint32(bytes.size() - 8))
        return info;
    bool haveFormat = false;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
        const char *body = bytes.constData() + at + 8;
        if (at + 8 + qsizetype(size) > bytes.size())
            return info;
        if (id == "fmt " && size >= 16) {
            info.format = qFromLittleEndian<quint16>(body);
            info.channels = qFromLittleEndian<quint16>(body + 2);
            info.sampleRate = int(qFromLittleEndian<quint32>(body + 4));
            info.bitsPerSample = qFromLittleEndian<quint16>(body + 14);
            haveFormat = true;
        } else if (id == "data") {
            info.samples = bytes.mid(at + 8, size);
            info.valid = haveFormat;
        }
        at += 8 + size + (size & 1);
    }
    return info;
}

} // namespace

TEST(DefaultSounds, AreShortDistinctAudible16BitPcmWaves)
{
    QSet<QByteArray> distinct;
    for (int n = 1; n <= 6; ++n) {
        const QString path = appPath("sonidos/sonido" + QString::number(n) + ".wav");
        SCOPED_TRACE(path.toStdString());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const WavInfo wav = readWav(file.readAll());
        ASSERT_TRUE(wav.valid);
        EXPECT_EQ(wav.format, 1) << "PCM";
        EXPECT_EQ(wav.bitsPerSample, 16);
        ASSERT_GT(wav.sampleRate, 0);
        ASSERT_GT(wav.channels, 0);
        const double seconds = double(wav.samples.size()) / (2 * wav.channels * wav.sampleRate);
        EXPECT_GT(seconds, 0.05);
        EXPECT_LT(seconds, 0.6);
        int peak = 0;
        for (qsizetype i = 0; i + 1 < wav.samples.size(); i += 2)
            peak = std::max(peak,
                            std::abs(int(qFromLittleEndian<qint16>(wav.samples.constData() + i))));
        EXPECT_GT(peak, 8000) << "audible";
        EXPECT_LT(peak, 32767) << "not clipped";
        distinct.insert(wav.samples);
    }
    EXPECT_EQ(distinct.size(), 6);
}
