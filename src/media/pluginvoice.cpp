#include "media/pluginvoice.h"

#include "media/voicefactory.h"

namespace virdo {

PluginVoice::PluginVoice(const QString &pluginPath)
    : m_path(pluginPath)
{
}

// The plugin stays loaded: a speech thread stuck on the synthesizer may still run its code.
PluginVoice::~PluginVoice() = default;

Voice *PluginVoice::voice()
{
    if (m_tried)
        return m_voice.get();
    m_tried = true;
    m_loader.setFileName(m_path);
    auto *factory = qobject_cast<VoiceFactory *>(m_loader.instance());
    if (!factory) {
        qWarning("module de la voix introuvable ou illisible : %s (le jeu continue sans voix) : %s",
                 qUtf8Printable(m_path), qUtf8Printable(m_loader.errorString()));
        return nullptr;
    }
    m_voice = factory->createVoice();
    return m_voice.get();
}

void PluginVoice::say(const QString &text, bool whole)
{
    if (Voice *real = voice())
        real->say(text, whole);
}

void PluginVoice::afterSpeech(std::function<void()> done)
{
    if (Voice *real = voice())
        real->afterSpeech(std::move(done));
    else
        done();
}

bool PluginVoice::release()
{
    m_tried = true;
    if (!m_voice)
        return true;
    const bool released = m_voice->release();
    if (released)
        m_voice.reset();
    return released;
}

} // namespace virdo
