#include "media/soundloop.h"

#include "media/gamefile.h"
#include "media/loopdevice.h"
#include "media/soundserver.h"
#include "media/wavefile.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QFileInfo>
#include <QMediaDevices>
#include <QThread>

#include <utility>

namespace virdo {

namespace {

// A server on the same computer answers within milliseconds; one silent for this long is
// taken as missing. A game that closes meanwhile waits a little longer for this thread.
constexpr std::chrono::milliseconds serverPatience{1000};

} // namespace

SoundLoop::SoundLoop(QObject *parent)
    : QObject(parent)
{
}

SoundLoop::~SoundLoop()
{
    // The sink is not a child of this loop: a child would be destroyed here even with its
    // deferred delete still pending, and the events the sink runs as it goes would then
    // delete it a second time.
    delete m_sink;
}

qint64 SoundLoop::processedMs() const
{
    return m_sink ? m_sink->processedUSecs() / 1000 : 0;
}

void SoundLoop::warmUp()
{
    reachServer();
}

bool SoundLoop::reachServer()
{
    if (m_engineStarted)
        return true;
    if (!soundServerAnswers(serverPatience)) {
        if (!m_absenceReported)
            qWarning("aucun serveur de son ne répond : pas de son pour l'instant (nouvel essai à chaque fin de partie)");
        m_absenceReported = true;
        return false;
    }
    // Asking for the output starts the audio backend and its connection to the server.
    QMediaDevices::defaultAudioOutput();
    m_engineStarted = true;
    return true;
}

void SoundLoop::play(const QString &filePath)
{
    // Never two tunes at once: the previous one goes before the next one starts.
    stop();

    const std::optional<QByteArray> bytes = readGameFile(filePath);
    if (!bytes) {
        emit refused(filePath);
        return;
    }
    std::optional<Wave> wave = parseWave(*bytes);
    if (!wave) {
        reportUnreadable(filePath);
        emit refused(filePath);
        return;
    }

    if (!reachServer()) {
        emit refused(filePath);
        return;
    }

    QAudioFormat format;
    format.setSampleRate(wave->sampleRate);
    format.setChannelCount(wave->channels);
    format.setSampleFormat(wave->bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (output.isNull() || !output.isFormatSupported(format)) {
        // No sound server, or one that cannot play this: the game goes on in silence.
        emit refused(filePath);
        return;
    }

    m_sink = new QAudioSink(output, format);
    auto *tune = new LoopDevice(std::move(wave->samples), m_sink);
    tune->open(QIODevice::ReadOnly);
    // The server may refuse the stream at once or a moment later (out of memory for the
    // shared buffers under a tight ulimit -v, a server that dies): the tune is then lost.
    connect(m_sink, &QAudioSink::stateChanged, this, [this, sink = m_sink, filePath](QAudio::State state) {
        const QAudio::Error error = sink->error();
        if (sink == m_sink && state == QAudio::StoppedState && error != QAudio::NoError && error != QAudio::UnderrunError)
            giveUp(filePath);
    });
    m_sink->start(tune);
    if (m_sink && m_sink->state() == QAudio::StoppedState && m_sink->error() != QAudio::NoError) {
        giveUp(filePath);
        return;
    }
    if (m_sink)
        emit looping(filePath);
}

void SoundLoop::giveUp(const QString &filePath)
{
    if (!m_failureReported)
        qWarning("le son ne peut pas être joué : %s (le jeu continue sans son)", qUtf8Printable(QFileInfo(filePath).fileName()));
    m_failureReported = true;
    m_sink->deleteLater();
    m_sink = nullptr;
    emit refused(filePath);
}

void SoundLoop::stop()
{
    if (!m_sink)
        return;
    // No longer the tune that plays: its stop is not taken for a failure.
    QAudioSink *sink = std::exchange(m_sink, nullptr);
    sink->stop();
    // Qt's PulseAudio sink runs the pending events while it is destroyed. Destroyed here, it
    // would run the commands queued behind this one in the middle of it (a play right after
    // a stop would start its tune and then lose its samples): it goes later, from the
    // thread's own event loop, or as the thread ends.
    sink->deleteLater();
    emit silent();
}

void SoundLoop::shutDown()
{
    stop();
    thread()->quit();
}

} // namespace virdo
