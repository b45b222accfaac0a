#pragma once

#include "media/voice.h"

#include <QList>
#include <QObject>
#include <QTimer>

class QThread;

namespace virdo {

class SpeechWorker;

// The real voice: speech-dispatcher through Qt's speech module, on a thread of its own.
// Every call only queues a command to that thread and returns at once.
class SpeechVoice final : public QObject, public Voice
{
    Q_OBJECT

public:
    SpeechVoice();
    // Releases the voice; a speech thread stuck on the synthesizer is left running.
    ~SpeechVoice() override;

    void say(const QString &text, bool whole) override;
    void afterSpeech(std::function<void()> done) override;
    bool release() override;

private:
    void taken(int taken);
    void quiet(int taken);
    void off();
    // The speech thread has not taken a text in time: it is stuck on the synthesizer.
    void stuck();
    void runAfterSpeech();

    // Null once released; the worker goes with its thread.
    QThread *m_thread;
    SpeechWorker *m_worker;
    int m_given = 0;
    bool m_off = false;
    // Characters given since the voice was last quiet: how long it may take to say them.
    qsizetype m_unsaid = 0;
    QTimer m_answer;
    QTimer m_ceiling;
    QList<std::function<void()>> m_afterSpeech;
};

} // namespace virdo
