#pragma once

#include "platform/SoundPlayer.h"

#include <QStringList>
#include <memory>

// Remembers what the window asked to play instead of playing it.
class RecordingSoundPlayer : public SoundPlayer
{
public:
    explicit RecordingSoundPlayer(std::shared_ptr<QStringList> log) : played(std::move(log)) {}
    void play(const QString &wavPath) override { played->append(wavPath); }
    void beep() override { played->append(QStringLiteral("beep")); }

private:
    std::shared_ptr<QStringList> played;
};
