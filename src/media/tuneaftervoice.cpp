#include "media/tuneaftervoice.h"

#include "media/voice.h"

namespace virdo {

TuneAfterVoice::TuneAfterVoice(SoundPlayer &tunes, Voice &voice)
    : m_tunes(tunes)
    , m_voice(voice)
{
}

void TuneAfterVoice::prepare()
{
    m_tunes.prepare();
}

void TuneAfterVoice::playLoop(Son son)
{
    const unsigned request = ++m_request;
    m_voice.afterSpeech([this, request, son] {
        if (request == m_request)
            m_tunes.playLoop(son);
    });
}

void TuneAfterVoice::stop()
{
    ++m_request;
    m_tunes.stop();
}

bool TuneAfterVoice::release()
{
    ++m_request;
    return m_tunes.release();
}

} // namespace virdo
