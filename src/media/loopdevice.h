#pragma once

#include <QByteArray>
#include <QIODevice>

namespace virdo {

// Reads the same samples over and over without end: fed to an audio sink, the tune repeats
// with no gap between two plays.
class LoopDevice final : public QIODevice
{
    Q_OBJECT

public:
    // samples must not be empty.
    explicit LoopDevice(QByteArray samples, QObject *parent = nullptr);

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 maxSize) override;

private:
    QByteArray m_samples;
    qsizetype m_position = 0;
};

} // namespace virdo
