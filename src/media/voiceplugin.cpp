// The voice plugin: the real voice, in a library of its own that the game loads only for
// virdo --voix, so that a game without it never maps the speech libraries.
#include "media/speechvoice.h"
#include "media/pluginfactory.h"

#include <QObject>

namespace virdo {

class VoicePlugin final : public QObject, public VoiceFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VirdoVoiceFactory_iid)
    Q_INTERFACES(virdo::VoiceFactory)

public:
    std::unique_ptr<Voice> create() override { return std::make_unique<SpeechVoice>(); }
};

} // namespace virdo

#include "voiceplugin.moc"
