#include "platform/SoundPlayer.h"

#include "platform/HeldMessages.h"
#include "platform/WavCheck.h"

#include <QApplication>
#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

SystemSoundPlayer::SystemSoundPlayer() = default;
SystemSoundPlayer::~SystemSoundPlayer() = default;

void SystemSoundPlayer::play(const QString &wavPath)
{
    // A missing or damaged file gives the beep: the player would wait for good
    // for the rest of a damaged one, and the window with it.
    if (!isPlayableWavFile(wavPath)) {
        beep();
        return;
    }
    // The sound device is looked for on first use, so that a program run
    // without sounds never opens it, and only once: without a device every
    // play would log a complaint, and the child hears nothing either way.
    if (!deviceLookedFor) {
        deviceLookedFor = true;
        bool found = false;
        const QStringList messages =
            heldMessages([&found] { found = !QMediaDevices::audioOutputs().isEmpty(); });
        if (!found) {
            logMissing("no sound device, the program plays no sounds", messages);
            return;
        }
        logHeld(messages);
        effect = std::make_unique<QSoundEffect>();
    }
    if (!effect)
        return;
    effect->stop();
    effect->setSource(QUrl::fromLocalFile(QFileInfo(wavPath).absoluteFilePath()));
    effect->play();
}

void SystemSoundPlayer::beep()
{
    QApplication::beep();
}
