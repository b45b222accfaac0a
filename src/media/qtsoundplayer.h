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
    // Releases the player; a sound thread stuck on the server is left running, to the end
    // of the process.
    ~QtSoundPlayer() override;

    void prepare() override;
    void playLoop(Son son) override;
    void stop() override;
    // Waits a little for the sound thread to end; false while it is stuck on the server.
    // Asking again waits again.
    bool release() override;

    // Any file, named relative to the working directory: for the probes that measure sound.
    void playFileLoop(const QString &fileName);

signals:
    // What the sound thread did, after the fact: the tune is looping, has stopped, or was
    // refused (missing or unusable file, no sound output).
    void looping(const QString &filePath);
    void silent();
    void refused(const QString &filePath);

private:
    // Null once released; the loop goes with its thread.
    QThread *m_thread;
    SoundLoop *m_loop;
    bool m_prepared = false;
};

} // namespace virdo
