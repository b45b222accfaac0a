#pragma once

#include "media/son.h"

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

    // Starts looping the tune and returns at once. Replaces whatever was playing. A missing
    // or unreadable file plays nothing and says so in one line on stderr: the game goes on.
    virtual void playLoop(Son son) = 0;

    // Silence; nothing happens when nothing plays.
    virtual void stop() = 0;

    // The end of the game: lets go of the sound system, waiting a little for it. False when
    // it would not let go in time (stuck on a sound server that hangs): the player must then
    // be left as it is, and the program is better ended at once. Later calls play nothing.
    virtual bool release() { return true; }
};

} // namespace virdo
