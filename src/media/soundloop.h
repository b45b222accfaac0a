#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QAudioSink;

namespace virdo {

class LoopDevice;

// Lives on the sound thread and does everything that talks to the sound server, so that a
// server that stalls holds up this thread alone. Its slots are only ever queued to it.
class SoundLoop final : public QObject
{
    Q_OBJECT

public:
    explicit SoundLoop(QObject *parent = nullptr);
    ~SoundLoop() override;

public slots:
    // Starts the audio engine and connects to the sound server before the first tune.
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
    std::unique_ptr<QAudioSink> m_sink;
    std::unique_ptr<LoopDevice> m_device;
};

} // namespace virdo
