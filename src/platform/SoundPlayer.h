#pragma once

#include <QString>
#include <memory>

class QSoundEffect;

// Plays short sounds without ever making the caller wait. A new sound cuts off
// one still playing; a missing file gives the desktop's default beep. Without a
// sound device nothing is played, and the log says so once.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString &wavPath) = 0;
    // The desktop's default sound: something did not work.
    virtual void beep() = 0;
};

class SystemSoundPlayer : public SoundPlayer
{
public:
    SystemSoundPlayer();
    ~SystemSoundPlayer() override;
    void play(const QString &wavPath) override;
    void beep() override;

private:
    bool deviceLookedFor = false;
    std::unique_ptr<QSoundEffect> effect; // null without a sound device
};
