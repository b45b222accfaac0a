#pragma once

#include "media/voice.h"

#include <QtPlugin>

#include <memory>

namespace virdo {

// The voice plugin's face: it makes the real voice, so that the program itself never links
// the speech libraries.
class VoiceFactory
{
public:
    virtual ~VoiceFactory() = default;
    virtual std::unique_ptr<Voice> createVoice() = 0;
};

} // namespace virdo

// The version follows Voice's calls: a plugin built against other ones is refused.
#define VirdoVoiceFactory_iid "fr.virdo.VoiceFactory/1.0"
Q_DECLARE_INTERFACE(virdo::VoiceFactory, VirdoVoiceFactory_iid)
