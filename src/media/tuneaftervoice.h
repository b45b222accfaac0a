#pragma once

#include "media/soundplayer.h"

namespace virdo {

class Voice;

// The victory tune of a game with the voice: it starts once the voice has said who won, so
// that the child hears the words clearly, and the tune comes as the reward after them.
class TuneAfterVoice final : public SoundPlayer
{
public:
    TuneAfterVoice(SoundPlayer &tunes, Voice &voice);

    void prepare() override;
    void playLoop(Son son) override;
    void stop() override;
    bool release() override;

private:
    SoundPlayer &m_tunes;
    Voice &m_voice;
    // Counts the requests: a tune still waiting for the voice when stop or another tune
    // comes is never started.
    unsigned m_request = 0;
};

} // namespace virdo
