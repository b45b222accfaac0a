#pragma once

#include "media/soundplayer.h"

#include <QString>

#include <memory>

class QSoundEffect;

namespace virdo {

// Loops the game's WAV files through QSoundEffect, which repeats the sample without the gap
// a media player leaves between two plays.
class QtSoundPlayer final : public SoundPlayer
{
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;

    QtSoundPlayer(const QtSoundPlayer &) = delete;
    QtSoundPlayer &operator=(const QtSoundPlayer &) = delete;

    void playLoop(const QString &fileName) override;
    void stop() override;

    // The effect of the current play, nullptr when silent. Read-only, for checks: its source,
    // status and playing state tell what the player asked Qt to do.
    const QSoundEffect *current() const;

private:
    // One effect per play: dropping it is what stops the sound and frees the sample.
    std::unique_ptr<QSoundEffect> m_effect;
};

} // namespace virdo
