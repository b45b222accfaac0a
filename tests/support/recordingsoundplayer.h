#pragma once

#include "media/soundplayer.h"

#include <QStringList>

#include <functional>

// Records what the game asks of the sound instead of playing it: "play:<file>" (the
// file the tune is read from) and "stop".
class RecordingSoundPlayer : public virdo::SoundPlayer
{
public:
    void prepare() override { ++prepared; }
    void playLoop(virdo::Son son) override;
    void stop() override;

    QStringList calls;
    QString playing; // empty when silent
    int prepared = 0; // kept out of calls: getting ready is not a sound
    // Called at each request, before it is recorded: lets a test look at the windows then.
    std::function<void(const QString &call)> onCall;
};
