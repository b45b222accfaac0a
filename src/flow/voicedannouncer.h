#pragma once

#include "windows/announcer.h"

namespace virdo {

class Voice;

// The announcer of virdo --voix: every announcement goes to the screen reader as before, and
// is also said aloud by the game's own voice, in words rather than marks.
class VoicedAnnouncer final : public Announcer
{
public:
    VoicedAnnouncer(Announcer &screenReader, Voice &voice);

    void announce(QWidget *window, const QStringList &texts) override;
    void announceVictory(QWidget *window, const QStringList &texts) override;

private:
    Announcer &m_screenReader;
    Voice &m_voice;
};

} // namespace virdo
