#pragma once

#include <QString>

namespace virdo {

// What the end of a game needs from sound: a tune looped until the player asks for quiet.
// The windows talk to this interface so that their tests can hand them a silent recorder.
class SoundPlayer
{
public:
    virtual ~SoundPlayer();

    // Starts looping the file, named relative to the working directory, and returns at once.
    // Replaces whatever was playing. A missing or unreadable file plays nothing and shows
    // nothing: the game goes on.
    virtual void playLoop(const QString &fileName) = 0;

    // Silence; nothing happens when nothing plays.
    virtual void stop() = 0;
};

} // namespace virdo
