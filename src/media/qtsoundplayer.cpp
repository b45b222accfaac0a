#include "media/qtsoundplayer.h"

#include "media/soundloop.h"
#include "config.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QThread>

namespace virdo {

namespace {

// Long enough for a server that answers to let the tune go, short enough for a game that
// is closing not to seem stuck.
constexpr int shutDownWaitMs = 1500;

// The sound settings of the desktop name each stream after its client, which Qt's engine
// calls "QtPulseAudio:<pid>": PulseAudio takes the client's name and icon from
// PULSE_PROP_OVERRIDE as it connects, over the name Qt gives. Set here, before the sound
// thread starts and so before any connection; one of the user's own is left as it is.
void nameTheGameForTheSoundServer()
{
    if (qEnvironmentVariableIsSet("PULSE_PROP_OVERRIDE"))
        return;
    qputenv("PULSE_PROP_OVERRIDE", "application.name=VIRDO application.icon_name=" VIRDO_APP_ID);
}

} // namespace

QtSoundPlayer::QtSoundPlayer()
    : m_thread(new QThread)
    , m_loop(new SoundLoop)
{
    nameTheGameForTheSoundServer();
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
    // Deleting a running QThread aborts: one stuck on the server is left as it is.
    release();
}

bool QtSoundPlayer::release()
{
    if (!m_thread)
        return true;
    if (m_loop) {
        QMetaObject::invokeMethod(m_loop, &SoundLoop::shutDown, Qt::QueuedConnection);
        m_loop = nullptr;
    }
    if (!m_thread->wait(QDeadlineTimer(shutDownWaitMs)))
        return false;
    delete m_thread;
    m_thread = nullptr;
    return true;
}

void QtSoundPlayer::prepare()
{
    if (m_prepared || !m_loop)
        return;
    m_prepared = true;
    QMetaObject::invokeMethod(m_loop, &SoundLoop::warmUp, Qt::QueuedConnection);
}

void QtSoundPlayer::playLoop(Son son)
{
    playFileLoop(fichierDuSon(son));
}

void QtSoundPlayer::playFileLoop(const QString &fileName)
{
    if (!m_loop)
        return;
    // The name is resolved now, against the working directory of this moment.
    const QString filePath = QDir::current().absoluteFilePath(fileName);
    QMetaObject::invokeMethod(m_loop, [loop = m_loop, filePath] { loop->play(filePath); }, Qt::QueuedConnection);
}

void QtSoundPlayer::stop()
{
    if (m_loop)
        QMetaObject::invokeMethod(m_loop, &SoundLoop::stop, Qt::QueuedConnection);
}

} // namespace virdo
