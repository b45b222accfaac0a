#include "flow/voicedannouncer.h"

#include "media/spokentext.h"
#include "media/voice.h"

namespace virdo {

VoicedAnnouncer::VoicedAnnouncer(Announcer &screenReader, Voice &voice)
    : m_screenReader(screenReader)
    , m_voice(voice)
{
}

void VoicedAnnouncer::announce(QWidget *window, const QStringList &texts)
{
    m_screenReader.announce(window, texts);
    m_voice.say(spokenText(texts), false);
}

void VoicedAnnouncer::announceVictory(QWidget *window, const QStringList &texts)
{
    m_screenReader.announceVictory(window, texts);
    m_voice.say(spokenText(texts), true);
}

} // namespace virdo
