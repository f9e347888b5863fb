#include "platform/SoundPlayer.h"

#include "platform/WavCheck.h"

#include <QApplication>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

SystemSoundPlayer::SystemSoundPlayer() = default;
SystemSoundPlayer::~SystemSoundPlayer() = default;

void SystemSoundPlayer::play(const QString &wavPath)
{
    // A missing or damaged file gives the beep: the player would wait for good
    // for the rest of a damaged one, and the window with it.
    if (!isPlayableWavFile(wavPath)) {
        QApplication::beep();
        return;
    }
    // Created on first use so that a program run without sounds never opens
    // the audio device.
    if (!effect)
        effect = std::make_unique<QSoundEffect>();
    effect->stop();
    effect->setSource(QUrl::fromLocalFile(QFileInfo(wavPath).absoluteFilePath()));
    effect->play();
}
