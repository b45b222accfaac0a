#pragma once

#include "media/pluginfactory.h"
#include "media/soundplayer.h"

namespace virdo {

// The sound plugin's face, so that the program never links the multimedia libraries.
using SoundPlayerFactory = PluginFactory<SoundPlayer>;

} // namespace virdo

// The version follows SoundPlayer's calls: a plugin built against other ones is refused.
#define VirdoSoundPlayerFactory_iid "fr.virdo.SoundPlayerFactory/2.0"
Q_DECLARE_INTERFACE(virdo::SoundPlayerFactory, VirdoSoundPlayerFactory_iid)
