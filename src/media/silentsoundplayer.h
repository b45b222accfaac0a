#pragma once

#include "media/soundplayer.h"

namespace virdo {

// The sound player of a silent game (virdo --muet): nothing is played, and nothing is loaded
// or connected to play it, so that a classroom of computers stays quiet.
class SilentSoundPlayer final : public SoundPlayer
{
public:
    void playLoop(Son) override {}
    void stop() override {}
};

} // namespace virdo
