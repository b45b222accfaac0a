#include "media/pluginsoundplayer.h"

namespace virdo {

PluginSoundPlayer::PluginSoundPlayer(const QString &pluginPath)
    : m_plugin(pluginPath, "module de son introuvable ou illisible : %1 (le jeu continue sans son) : %2")
{
}

void PluginSoundPlayer::prepare()
{
    if (SoundPlayer *real = m_plugin.get())
        real->prepare();
}

void PluginSoundPlayer::playLoop(Son son)
{
    if (SoundPlayer *real = m_plugin.get())
        real->playLoop(son);
}

bool PluginSoundPlayer::release()
{
    return m_plugin.release();
}

void PluginSoundPlayer::stop()
{
    // Before the first tune there is nothing to silence, and no reason to load anything.
    if (SoundPlayer *real = m_plugin.loaded())
        real->stop();
}

} // namespace virdo
