#pragma once

#include <QByteArrayView>
#include <QString>

// The largest sound file the program plays: its sounds last a second or two,
// and a file of many megabytes is no sound of the program's.
constexpr qint64 maxSoundFileBytes = 16 * 1024 * 1024;

// Whether the bytes of a WAV file can be handed to the sound player without
// risk: RIFF/WAVE with a format chunk of plain PCM (one or two channels, 8 or
// 16 bits, a usual sample rate) and after it a data chunk of whole frames that
// the file holds entirely. The player reads a file in the background and, when
// the file ends before the data chunk does, waits for the missing bytes for
// good, and the window with it: an empty file, a header alone, a file cut short
// or a data size of gigabytes.
bool isPlayableWav(QByteArrayView bytes);

// The same for a file on disk: an ordinary file of at most maxSoundFileBytes
// whose bytes pass isPlayableWav. A folder, a pipe or a device never does.
bool isPlayableWavFile(const QString &path);
