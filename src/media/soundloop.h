#pragma once

#include <QObject>
#include <QString>

class QAudioSink;

namespace virdo {

// Lives on the sound thread and does everything that talks to the sound server, so that a
// server that stalls holds up this thread alone. Its slots are only ever queued to it.
class SoundLoop final : public QObject
{
    Q_OBJECT

public:
    explicit SoundLoop(QObject *parent = nullptr);
    ~SoundLoop() override;

    // How much of the tune that plays the sound server has taken so far, repeats included;
    // 0 when silent. Read on the thread the loop lives on.
    qint64 processedMs() const;

public slots:
    // Starts the audio engine and connects to the sound server before the first tune, when
    // the server answers.
    void warmUp();
    // filePath is absolute: the working directory was read when the game asked.
    void play(const QString &filePath);
    void stop();
    // The last command: silence, then the thread ends.
    void shutDown();

signals:
    void looping(const QString &filePath);
    void silent();
    void refused(const QString &filePath);

private:
    // Starts Qt's audio engine once the sound server answers; until then, asks the server
    // again each time. Qt's engine connects when it starts and, when the server was not
    // there, stays silent for the rest of the process.
    bool reachServer();
    // The sound system refused the tune that was to play: said once in the process.
    void giveUp(const QString &filePath);

    bool m_engineStarted = false;
    bool m_absenceReported = false;
    bool m_failureReported = false;
    // The tune that plays, or null. Its samples are a child of the sink that reads them, so
    // they last as long as it.
    QAudioSink *m_sink = nullptr;
};

} // namespace virdo
