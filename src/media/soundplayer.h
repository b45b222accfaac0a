#pragma once

#include <QString>
#include <QtPlugin>

#include <memory>

namespace virdo {

// What the end of a game needs from sound: a tune looped until the player asks for quiet.
// The windows talk to this interface so that their tests can hand them a silent recorder.
// No call ever waits for the sound system: a stalled sound server means silence, never a
// window that stops answering.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;

    // A game has begun: get the sound system ready now, so that the first end of a game
    // starts its tune as quickly as the later ones. Calling it again does nothing.
    virtual void prepare() {}

    // Starts looping the file, named relative to the working directory, and returns at once.
    // Replaces whatever was playing. A missing or unreadable file plays nothing and says so
    // in one line on stderr: the game goes on.
    virtual void playLoop(const QString &fileName) = 0;

    // Silence; nothing happens when nothing plays.
    virtual void stop() = 0;
};

// The sound plugin's face: it makes the real player, so that the program itself never
// links the multimedia libraries.
class SoundPlayerFactory
{
public:
    virtual ~SoundPlayerFactory() = default;
    virtual std::unique_ptr<SoundPlayer> createSoundPlayer() = 0;
};

} // namespace virdo

#define VirdoSoundPlayerFactory_iid "fr.virdo.SoundPlayerFactory/1.0"
Q_DECLARE_INTERFACE(virdo::SoundPlayerFactory, VirdoSoundPlayerFactory_iid)
