#pragma once

#include "media/soundplayer.h"

#include <QPluginLoader>
#include <QString>

#include <memory>

namespace virdo {

// The game's sound player: it loads the sound plugin when a game begins (prepare) or at
// the first tune, whichever comes first, and hands it every call. Without the plugin the
// game plays in silence, after one line on stderr.
class PluginSoundPlayer final : public SoundPlayer
{
public:
    explicit PluginSoundPlayer(const QString &pluginPath);
    ~PluginSoundPlayer() override;

    void prepare() override;
    void playLoop(Son son) override;
    void stop() override;
    bool release() override;

private:
    SoundPlayer *player();

    QString m_path;
    QPluginLoader m_loader;
    bool m_tried = false;
    std::unique_ptr<SoundPlayer> m_player;
};

} // namespace virdo
