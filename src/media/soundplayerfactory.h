#pragma once

#include "media/soundplayer.h"

#include <QtPlugin>

#include <memory>

namespace virdo {

// The sound plugin's face: it makes the real player, so that the program itself never
// links the multimedia libraries.
class SoundPlayerFactory
{
public:
    virtual ~SoundPlayerFactory() = default;
    virtual std::unique_ptr<SoundPlayer> createSoundPlayer() = 0;
};

} // namespace virdo

// The version follows SoundPlayer's calls: a plugin built against other ones is refused.
#define VirdoSoundPlayerFactory_iid "fr.virdo.SoundPlayerFactory/2.0"
Q_DECLARE_INTERFACE(virdo::SoundPlayerFactory, VirdoSoundPlayerFactory_iid)
