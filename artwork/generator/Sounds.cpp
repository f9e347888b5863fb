#include "Sounds.h"

#include <QFile>
#include <QtEndian>

#include <cmath>
#include <numbers>
#include <random>

namespace
{

struct Note {
    double startSeconds;
    double seconds;
    double fromHz;
    double toHz; // a glide when it differs from fromHz
    double volume;
};

// A bell-like voice: fundamental plus a soft octave, quick attack, gentle decay.
void addNote(std::vector<double> &mix, const Note &note)
{
    const int first = int(note.startSeconds * soundSampleRate);
    const int count = int(note.seconds * soundSampleRate);
    double phase = 0;
    for (int i = 0; i < count && first + i < int(mix.size()); ++i) {
        const double t = double(i) / soundSampleRate;
        const double progress = double(i) / count;
        const double hz = note.fromHz + (note.toHz - note.fromHz) * progress;
        phase += 2 * std::numbers::pi * hz / soundSampleRate;
        const double attack = std::min(1.0, t / 0.006);
        const double release = std::min(1.0, (count - i) / (0.02 * soundSampleRate));
        const double decay = std::exp(-3.5 * progress);
        const double voice =
            std::sin(phase) + 0.3 * std::sin(2 * phase) + 0.1 * std::sin(3 * phase);
        mix[size_t(first + i)] += note.volume * attack * release * decay * voice;
    }
}

// A camera's shutter: two short bursts of softened noise, the blades opening
// and closing. The noise has a fixed seed, so every build makes the same sound.
constexpr double shutterSeconds = 0.14;
void addShutter(std::vector<double> &mix)
{
    std::minstd_rand noise(6);
    std::uniform_real_distribution<double> sample(-1.0, 1.0);
    struct Burst {
        double startSeconds, seconds, volume;
    };
    for (const Burst burst : {Burst{0.0, 0.035, 1.0}, Burst{0.075, 0.06, 0.7}}) {
        const int first = int(burst.startSeconds * soundSampleRate);
        const int count = int(burst.seconds * soundSampleRate);
        double low = 0; // a one-pole low-pass takes the hiss off the noise
        for (int i = 0; i < count && first + i < int(mix.size()); ++i) {
            low += 0.35 * (sample(noise) - low);
            mix[size_t(first + i)] += burst.volume * std::exp(-6.0 * i / count) * low;
        }
    }
}

std::vector<Note> score(int number)
{
    constexpr double c5 = 523.25, e5 = 659.25, g5 = 783.99, c6 = 1046.5, a5 = 880.0;
    switch (number) {
    case 1:
        return {{0.0, 0.16, c5, c5, 0.5}, {0.12, 0.3, g5, g5, 0.5}};
    case 2:
        return {{0.0, 0.16, g5, g5, 0.5}, {0.12, 0.3, c5, c5, 0.5}};
    case 3:
        return {{0.0, 0.12, c5, c5, 0.4},
                {0.09, 0.12, e5, e5, 0.4},
                {0.18, 0.12, g5, g5, 0.4},
                {0.27, 0.28, c6, c6, 0.45}};
    case 4:
        return {{0.0, 0.11, 400, a5, 0.55}};
    case 6:
        return {}; // the shutter is noise, not notes
    default:
        return {{0.0, 0.45, 700, 250, 0.5}};
    }
}

} // namespace

std::vector<int16_t> synthesiseSound(int number)
{
    const std::vector<Note> notes = score(number);
    double end = number == 6 ? shutterSeconds : 0;
    for (const Note &note : notes)
        end = std::max(end, note.startSeconds + note.seconds);
    std::vector<double> mix(size_t(end * soundSampleRate) + 1, 0.0);
    for (const Note &note : notes)
        addNote(mix, note);
    if (number == 6)
        addShutter(mix);
    double peak = 1e-9;
    for (double s : mix)
        peak = std::max(peak, std::abs(s));
    std::vector<int16_t> samples;
    samples.reserve(mix.size());
    for (double s : mix)
        samples.push_back(int16_t(std::lround(s / peak * 0.6 * 32767)));
    return samples;
}

bool writeWav(const QString &path, const std::vector<int16_t> &samples)
{
    QByteArray bytes;
    const auto put32 = [&bytes](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        bytes.append(b, 4);
    };
    const auto put16 = [&bytes](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        bytes.append(b, 2);
    };
    const quint32 dataBytes = quint32(samples.size() * 2);
    bytes.append("RIFF");
    put32(36 + dataBytes);
    bytes.append("WAVEfmt ");
    put32(16);
    put16(1); // PCM
    put16(1); // mono
    put32(soundSampleRate);
    put32(soundSampleRate * 2); // bytes per second
    put16(2);                   // bytes per sample frame
    put16(16);
    bytes.append("data");
    put32(dataBytes);
    for (int16_t s : samples)
        put16(quint16(s));
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}
