#include "media/loopdevice.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace virdo {

LoopDevice::LoopDevice(QByteArray samples, QObject *parent)
    : QIODevice(parent)
    , m_samples(std::move(samples))
{
    Q_ASSERT(!m_samples.isEmpty());
}

qint64 LoopDevice::bytesAvailable() const
{
    return std::numeric_limits<int>::max();
}

qint64 LoopDevice::readData(char *data, qint64 maxSize)
{
    qint64 copied = 0;
    while (copied < maxSize) {
        const qint64 chunk = std::min<qint64>(maxSize - copied, m_samples.size() - m_position);
        std::memcpy(data + copied, m_samples.constData() + m_position, size_t(chunk));
        copied += chunk;
        m_position = (m_position + chunk) % m_samples.size();
    }
    return copied;
}

qint64 LoopDevice::writeData(const char *, qint64)
{
    return -1;
}

} // namespace virdo
