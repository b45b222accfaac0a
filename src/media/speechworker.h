#pragma once

#include "media/speechqueue.h"

#include <QObject>
#include <QString>
#include <QTextToSpeech>

namespace virdo {

// Lives on the speech thread and does everything that talks to the synthesizer (speech-
// dispatcher, through Qt's speech module), so that one that stalls holds up this thread
// alone. Its slots are only ever queued to it.
class SpeechWorker final : public QObject
{
    Q_OBJECT

public:
    ~SpeechWorker() override;

public slots:
    // Stays quiet when a screen reader speaks already; else connects to the synthesizer and
    // picks a French voice at a child's pace. A failure is told once on stderr: silence.
    void start();
    void say(const QString &text, bool whole);
    // The last command: silence, then the thread ends.
    void shutDown();

signals:
    // A text has reached this thread: it is not stuck. taken counts the texts so far.
    void taken(int taken);
    // Everything taken so far has been said (or the voice is off).
    void quiet(int taken);
    // The voice is off for good.
    void off();

private:
    void speakNext();
    void stateChanged(QTextToSpeech::State state);
    void giveUp(const QString &why);

    QTextToSpeech *m_speech = nullptr;
    SpeechQueue m_queue;
    int m_taken = 0;
    // The text last handed to the synthesizer has been heard to begin: until then, a "ready"
    // is the end of the one it cut off.
    bool m_begun = false;
    bool m_off = false;
};

} // namespace virdo
