#pragma once

#include "media/lazyplugin.h"
#include "media/soundplayer.h"
#include "media/pluginfactory.h"

#include <QString>

namespace virdo {

// The game's sound player: it loads the sound plugin when a game begins (prepare) or at
// the first tune, whichever comes first, and hands it every call. Without the plugin the
// game plays in silence, after one line on stderr.
class PluginSoundPlayer final : public SoundPlayer
{
public:
    explicit PluginSoundPlayer(const QString &pluginPath);

    void prepare() override;
    void playLoop(Son son) override;
    void stop() override;
    bool release() override;

private:
    LazyPlugin<SoundPlayer> m_plugin;
};

} // namespace virdo
