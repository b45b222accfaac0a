#pragma once

#include "media/soundplayer.h"

#include <QObject>
#include <QString>

class QThread;

namespace virdo {

class SoundLoop;

// The real sound player: loops the game's WAV files through Qt Multimedia on a thread of its
// own. Every call only queues a command to that thread and returns at once, so that a sound
// server that stalls or dies costs the game its sound, never its window.
class QtSoundPlayer final : public QObject, public SoundPlayer
{
    Q_OBJECT

public:
    QtSoundPlayer();
    // Waits a little for the sound thread to end; when it is stuck on the sound server,
    // ends the process at once, so that the game still ends.
    ~QtSoundPlayer() override;

    void prepare() override;
    void playLoop(const QString &fileName) override;
    void stop() override;

signals:
    // What the sound thread did, after the fact: the tune is looping, has stopped, or was
    // refused (missing or unusable file, no sound output).
    void looping(const QString &filePath);
    void silent();
    void refused(const QString &filePath);

private:
    QThread *m_thread;
    SoundLoop *m_loop;
    bool m_prepared = false;
};

} // namespace virdo
