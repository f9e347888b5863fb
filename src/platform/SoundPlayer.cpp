#include "platform/SoundPlayer.h"

#include <QApplication>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

SystemSoundPlayer::SystemSoundPlayer() = default;
SystemSoundPlayer::~SystemSoundPlayer() = default;

void SystemSoundPlayer::play(const QString &wavPath)
{
    if (!QFileInfo(wavPath).isFile()) {
        beep();
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

void SystemSoundPlayer::beep()
{
    QApplication::beep();
}
