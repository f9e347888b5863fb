#pragma once

#include <QString>

#include <cstdint>
#include <vector>

// Mono 16-bit PCM samples at this rate.
constexpr int soundSampleRate = 22050;

// The six sounds of the program, synthesised: 1 next drawing (rising),
// 2 previous drawing (falling), 3 next category (a little fanfare),
// 4 colour pick and restart (a soft pop), 5 undo (a sliding "boing"),
// 6 a saved colouring (a camera's shutter).
std::vector<int16_t> synthesiseSound(int number);

// Writes the samples as a RIFF/WAVE file, 16-bit PCM, mono.
bool writeWav(const QString &path, const std::vector<int16_t> &samples);
