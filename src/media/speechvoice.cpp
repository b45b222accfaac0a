#include "media/speechvoice.h"

#include "media/speechworker.h"

#include <QDeadlineTimer>
#include <QThread>

namespace virdo {

namespace {

// Starting speech-dispatcher on a busy machine takes a second or two; a thread that has not
// taken a text for this long is stuck on it.
constexpr int answerMs = 10000;
// The longest a text may take to be said, at the child's pace, before the tune that waits
// for it plays anyway.
constexpr int ceilingMs = 3000;
constexpr int ceilingMsPerCharacter = 100;
constexpr int shutDownWaitMs = 1500;

} // namespace

SpeechVoice::SpeechVoice()
    : m_thread(new QThread)
    , m_worker(new SpeechWorker)
{
    m_thread->setObjectName(QStringLiteral("voix"));
    m_worker->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    connect(m_worker, &SpeechWorker::taken, this, &SpeechVoice::taken);
    connect(m_worker, &SpeechWorker::quiet, this, &SpeechVoice::quiet);
    connect(m_worker, &SpeechWorker::off, this, &SpeechVoice::off);
    m_answer.setSingleShot(true);
    m_answer.setInterval(answerMs);
    connect(&m_answer, &QTimer::timeout, this, &SpeechVoice::stuck);
    m_ceiling.setSingleShot(true);
    connect(&m_ceiling, &QTimer::timeout, this, &SpeechVoice::runAfterSpeech);
    m_thread->start();
    QMetaObject::invokeMethod(m_worker, &SpeechWorker::start, Qt::QueuedConnection);
}

SpeechVoice::~SpeechVoice()
{
    release();
}

void SpeechVoice::say(const QString &text, bool whole)
{
    if (m_off || !m_worker)
        return;
    ++m_given;
    m_unsaid += text.size();
    if (!m_answer.isActive())
        m_answer.start();
    QMetaObject::invokeMethod(m_worker, [worker = m_worker, text, whole] { worker->say(text, whole); },
                              Qt::QueuedConnection);
}

void SpeechVoice::afterSpeech(std::function<void()> done)
{
    if (m_off || !m_worker || m_unsaid == 0) {
        done();
        return;
    }
    m_afterSpeech.append(std::move(done));
    m_ceiling.start(int(ceilingMs + ceilingMsPerCharacter * m_unsaid));
}

void SpeechVoice::taken(int taken)
{
    if (taken == m_given)
        m_answer.stop();
}

void SpeechVoice::quiet(int taken)
{
    // A text given since is still to be said.
    if (taken != m_given)
        return;
    m_unsaid = 0;
    runAfterSpeech();
}

void SpeechVoice::off()
{
    m_off = true;
    m_answer.stop();
    runAfterSpeech();
}

void SpeechVoice::stuck()
{
    qWarning("la voix ne répond plus (speech-dispatcher bloqué) : le jeu continue sans elle");
    off();
}

void SpeechVoice::runAfterSpeech()
{
    m_ceiling.stop();
    const QList<std::function<void()>> waiting = std::exchange(m_afterSpeech, {});
    for (const auto &done : waiting)
        done();
}

bool SpeechVoice::release()
{
    if (!m_thread)
        return true;
    m_answer.stop();
    m_ceiling.stop();
    m_afterSpeech.clear();
    if (m_worker) {
        QMetaObject::invokeMethod(m_worker, &SpeechWorker::shutDown, Qt::QueuedConnection);
        m_worker = nullptr;
    }
    // Deleting a running QThread aborts: one stuck on the synthesizer is left as it is.
    if (!m_thread->wait(QDeadlineTimer(shutDownWaitMs)))
        return false;
    delete m_thread;
    m_thread = nullptr;
    return true;
}

} // namespace virdo
