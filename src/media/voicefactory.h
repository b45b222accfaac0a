#pragma once

#include "media/pluginfactory.h"
#include "media/voice.h"

namespace virdo {

// The voice plugin's face, so that the program never links the speech libraries.
using VoiceFactory = PluginFactory<Voice>;

} // namespace virdo

// The version follows Voice's calls: a plugin built against other ones is refused.
#define VirdoVoiceFactory_iid "fr.virdo.VoiceFactory/1.0"
Q_DECLARE_INTERFACE(virdo::VoiceFactory, VirdoVoiceFactory_iid)
