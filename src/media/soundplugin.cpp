// The sound plugin: the real player, in a library of its own that the game loads when a
// game begins, so that starting the game never pays for the multimedia libraries.
#include "media/qtsoundplayer.h"
#include "media/pluginfactory.h"

#include <QObject>

namespace virdo {

class SoundPlugin final : public QObject, public SoundPlayerFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VirdoSoundPlayerFactory_iid)
    Q_INTERFACES(virdo::SoundPlayerFactory)

public:
    std::unique_ptr<SoundPlayer> create() override { return std::make_unique<QtSoundPlayer>(); }
};

} // namespace virdo

#include "soundplugin.moc"
