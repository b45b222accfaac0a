#pragma once

#include "media/soundplayer.h"
#include "media/voice.h"

#include <QtPlugin>

#include <memory>

namespace virdo {

// A plugin's face: it makes the real Made, so that the program itself never links the
// libraries behind it (Qt Multimedia for the sound player, the speech ones for the voice).
template<typename Made>
class PluginFactory
{
public:
    virtual ~PluginFactory() = default;
    virtual std::unique_ptr<Made> create() = 0;
};

using SoundPlayerFactory = PluginFactory<SoundPlayer>;
using VoiceFactory = PluginFactory<Voice>;

} // namespace virdo

// Each version follows its interface's calls: a plugin built against other ones is refused.
#define VirdoSoundPlayerFactory_iid "fr.virdo.SoundPlayerFactory/2.0"
Q_DECLARE_INTERFACE(virdo::SoundPlayerFactory, VirdoSoundPlayerFactory_iid)
#define VirdoVoiceFactory_iid "fr.virdo.VoiceFactory/1.0"
Q_DECLARE_INTERFACE(virdo::VoiceFactory, VirdoVoiceFactory_iid)
