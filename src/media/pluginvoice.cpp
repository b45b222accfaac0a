#include "media/pluginvoice.h"

namespace virdo {

PluginVoice::PluginVoice(const QString &pluginPath)
    : m_plugin(pluginPath, "module de la voix introuvable ou illisible : %1 (le jeu continue sans voix) : %2")
{
}

void PluginVoice::say(const QString &text, bool whole)
{
    if (Voice *real = m_plugin.get())
        real->say(text, whole);
}

void PluginVoice::afterSpeech(std::function<void()> done)
{
    if (Voice *real = m_plugin.get())
        real->afterSpeech(std::move(done));
    else
        done();
}

bool PluginVoice::release()
{
    return m_plugin.release();
}

} // namespace virdo
