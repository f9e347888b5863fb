#include "platform/WavCheck.h"

#include "platform/FileSearch.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace
{
constexpr quint16 pcmFormat = 1;
constexpr quint32 lowestRate = 4000;
constexpr quint32 highestRate = 192000;

quint32 word32(QByteArrayView bytes, qint64 at)
{
    return qFromLittleEndian<quint32>(bytes.data() + at);
}

quint16 word16(QByteArrayView bytes, qint64 at)
{
    return qFromLittleEndian<quint16>(bytes.data() + at);
}

// Bytes per frame of a format chunk the player reads safely, or 0.
qint64 frameBytes(QByteArrayView body)
{
    if (body.size() < 16 || word16(body, 0) != pcmFormat)
        return 0;
    const quint16 channels = word16(body, 2);
    const quint32 rate = word32(body, 4);
    const quint16 bits = word16(body, 14);
    if (channels < 1 || channels > 2 || (bits != 8 && bits != 16) || rate < lowestRate ||
        rate > highestRate)
        return 0;
    return channels * (bits / 8);
}
} // namespace

bool isPlayableWav(QByteArrayView bytes)
{
    const qint64 size = bytes.size();
    if (size < 12 || size > maxSoundFileBytes || bytes.first(4) != "RIFF" ||
        bytes.sliced(8, 4) != "WAVE")
        return false;
    qint64 frame = 0;
    for (qint64 at = 12; at + 8 <= size;) {
        const QByteArrayView id = bytes.sliced(at, 4);
        const qint64 length = word32(bytes, at + 4);
        if (length > size - at - 8)
            return false; // the chunk goes on beyond the end of the file
        const QByteArrayView body = bytes.sliced(at + 8, length);
        if (id == "fmt ")
            frame = frameBytes(body);
        else if (id == "data")
            return frame > 0 && length % frame == 0;
        at += 8 + length + (length & 1);
    }
    return false;
}

bool isPlayableWavFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile() || isSpecialFile(path) || info.size() > maxSoundFileBytes)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return isPlayableWav(file.read(maxSoundFileBytes + 1));
}
