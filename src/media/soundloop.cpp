#include "media/soundloop.h"

#include "media/gamefile.h"
#include "media/loopdevice.h"
#include "media/wavefile.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <QThread>

namespace virdo {

SoundLoop::SoundLoop(QObject *parent)
    : QObject(parent)
{
}

SoundLoop::~SoundLoop() = default;

void SoundLoop::warmUp()
{
    // Asking for the output starts the audio backend and its connection to the server.
    QMediaDevices::defaultAudioOutput();
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

    m_device = std::make_unique<LoopDevice>(std::move(wave->samples));
    m_device->open(QIODevice::ReadOnly);
    m_sink = std::make_unique<QAudioSink>(output, format);
    m_sink->start(m_device.get());
    emit looping(filePath);
}

void SoundLoop::stop()
{
    if (!m_sink)
        return;
    m_sink->stop();
    m_sink.reset();
    m_device.reset();
    emit silent();
}

void SoundLoop::shutDown()
{
    stop();
    thread()->quit();
}

} // namespace virdo
