#pragma once

#include <QString>

#include <functional>

namespace virdo {

// The game's own voice: what the windows tell, said aloud in French for a child who cannot
// read yet. No call ever waits for the speech system: a synthesizer that stalls or dies
// costs the game its voice, never its window.
class Voice
{
public:
    virtual ~Voice() = default;

    // Says the text and returns at once. A later text cuts this one off, unless it is to be
    // said whole (the victory); a text given while a whole one is said waits for its end.
    virtual void say(const QString &text, bool whole) = 0;

    // Runs done, on this thread, once everything given so far has been said, or at once
    // when the voice is silent; never later than a bound that a stalled synthesizer
    // cannot stretch.
    virtual void afterSpeech(std::function<void()> done) = 0;

    // The end of the game: lets go of the speech system, waiting a little for it. False
    // when it would not let go in time: the program is then better ended at once.
    virtual bool release() { return true; }
};

} // namespace virdo
