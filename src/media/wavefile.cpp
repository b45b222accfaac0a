#include "media/wavefile.h"

#include <QtEndian>

namespace virdo {

namespace {

constexpr quint16 pcmFormat = 1;
constexpr int lowestRate = 8000;
constexpr int highestRate = 96000;

quint16 u16At(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 u32At(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

} // namespace

std::optional<Wave> parseWave(const QByteArray &bytes)
{
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::nullopt;

    std::optional<Wave> wave;
    qsizetype at = 12;
    while (bytes.size() - at >= 8) {
        const QByteArray id = bytes.mid(at, 4);
        const qint64 size = u32At(bytes, at + 4);
        const qsizetype body = at + 8;
        const qint64 bytesLeft = bytes.size() - body;
        if (size > bytesLeft)
            return std::nullopt;
        if (id == "data") {
            if (!wave || size == 0)
                return std::nullopt;
            const int frameBytes = wave->channels * wave->bitsPerSample / 8;
            if (size % frameBytes != 0)
                return std::nullopt;
            wave->samples = bytes.mid(body, qsizetype(size));
            return wave;
        }
        // Readers part ways on the pad byte after an odd chunk, so such a file is not trusted.
        if (size % 2 != 0)
            return std::nullopt;
        if (id == "fmt ") {
            if (size < 16)
                return std::nullopt;
            const quint16 format = u16At(bytes, body);
            const quint16 channels = u16At(bytes, body + 2);
            const quint32 rate = u32At(bytes, body + 4);
            const quint16 bits = u16At(bytes, body + 14);
            if (format != pcmFormat || channels < 1 || channels > 2 || (bits != 8 && bits != 16)
                || rate < quint32(lowestRate) || rate > quint32(highestRate))
                return std::nullopt;
            wave = Wave{int(rate), channels, bits, {}};
        }
        at = body + qsizetype(size);
    }
    return std::nullopt; // no sample data
}

} // namespace virdo
