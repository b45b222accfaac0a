#include "media/qtsoundplayer.h"

#include "media/soundloop.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QThread>

#include <cstdio>
#include <cstdlib>

namespace virdo {

namespace {

// Long enough for a server that answers to let the tune go, short enough for a game that
// is closing not to seem stuck.
constexpr int shutDownWaitMs = 1500;

} // namespace

QtSoundPlayer::QtSoundPlayer()
    : m_thread(new QThread)
    , m_loop(new SoundLoop)
{
    m_thread->setObjectName(QStringLiteral("son"));
    m_loop->moveToThread(m_thread);
    // Deferred deletes are run as the thread ends, on the thread itself.
    connect(m_thread, &QThread::finished, m_loop, &QObject::deleteLater);
    connect(m_loop, &SoundLoop::looping, this, &QtSoundPlayer::looping);
    connect(m_loop, &SoundLoop::silent, this, &QtSoundPlayer::silent);
    connect(m_loop, &SoundLoop::refused, this, &QtSoundPlayer::refused);
    m_thread->start();
}

QtSoundPlayer::~QtSoundPlayer()
{
    QMetaObject::invokeMethod(m_loop, &SoundLoop::shutDown, Qt::QueuedConnection);
    if (m_thread->wait(QDeadlineTimer(shutDownWaitMs))) {
        delete m_thread;
        return;
    }
    // The player goes when the game ends. With its thread stuck on the sound server, the
    // rest of the way out would wait on or trip over it (deleting a running QThread aborts,
    // and so does the sound library's clean-up of a mutex that thread holds): the process
    // ends here, its windows already gone and nothing left to save.
    qWarning("le son ne répond plus : le jeu se ferme sans l'attendre");
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

void QtSoundPlayer::prepare()
{
    if (m_prepared)
        return;
    m_prepared = true;
    QMetaObject::invokeMethod(m_loop, &SoundLoop::warmUp, Qt::QueuedConnection);
}

void QtSoundPlayer::playLoop(const QString &fileName)
{
    // The name is resolved now, against the working directory of this moment.
    const QString filePath = QDir::current().absoluteFilePath(fileName);
    QMetaObject::invokeMethod(m_loop, [loop = m_loop, filePath] { loop->play(filePath); }, Qt::QueuedConnection);
}

void QtSoundPlayer::stop()
{
    QMetaObject::invokeMethod(m_loop, &SoundLoop::stop, Qt::QueuedConnection);
}

} // namespace virdo
