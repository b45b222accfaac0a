#pragma once

#include "media/voice.h"

#include <QList>
#include <QStringList>

#include <functional>

// Records what the game gives its voice instead of saying it: each text, with "!" before
// one to be said whole. What waits for the voice runs when the test says it has spoken.
class RecordingVoice : public virdo::Voice
{
public:
    void say(const QString &text, bool whole) override { said << (whole ? u'!' + text : text); }
    void afterSpeech(std::function<void()> done) override { waiting << std::move(done); }
    // Everything given so far has been said.
    void spoken();

    QStringList said;
    QList<std::function<void()>> waiting;
};
