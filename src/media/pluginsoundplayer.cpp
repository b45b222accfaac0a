#include "media/pluginsoundplayer.h"

#include "media/soundplayerfactory.h"

namespace virdo {

// The loader is given its file only when a game begins: naming it opens and reads the
// plugin's metadata, work that start-up has no use for.
PluginSoundPlayer::PluginSoundPlayer(const QString &pluginPath)
    : m_path(pluginPath)
{
}

// The plugin stays loaded: a sound thread stuck on the server may still run its code.
PluginSoundPlayer::~PluginSoundPlayer() = default;

SoundPlayer *PluginSoundPlayer::player()
{
    if (m_tried)
        return m_player.get();
    m_tried = true;
    m_loader.setFileName(m_path);
    auto *factory = qobject_cast<SoundPlayerFactory *>(m_loader.instance());
    if (!factory) {
        qWarning("module de son introuvable ou illisible : %s (le jeu continue sans son) : %s", qUtf8Printable(m_path),
                 qUtf8Printable(m_loader.errorString()));
        return nullptr;
    }
    m_player = factory->createSoundPlayer();
    return m_player.get();
}

void PluginSoundPlayer::prepare()
{
    if (SoundPlayer *real = player())
        real->prepare();
}

void PluginSoundPlayer::playLoop(Son son)
{
    if (SoundPlayer *real = player())
        real->playLoop(son);
}

bool PluginSoundPlayer::release()
{
    m_tried = true;
    if (!m_player)
        return true;
    // One stuck on the server is kept: it would only wait for its thread again as it goes.
    const bool released = m_player->release();
    if (released)
        m_player.reset();
    return released;
}

void PluginSoundPlayer::stop()
{
    // Before the first tune there is nothing to silence, and no reason to load anything.
    if (m_player)
        m_player->stop();
}

} // namespace virdo
