#include "media/wavecheck.h"

#include <QFile>
#include <QtEndian>

namespace virdo {

namespace {

struct ChunkHeader
{
    QByteArray id;
    quint32 size = 0;
};

bool readChunkHeader(QFile &file, ChunkHeader &chunk)
{
    const QByteArray bytes = file.read(8);
    if (bytes.size() != 8)
        return false;
    chunk.id = bytes.left(4);
    chunk.size = qFromLittleEndian<quint32>(bytes.constData() + 4);
    return true;
}

} // namespace

bool waveLoadsCompletely(const QString &filePath)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 fileSize = file.size();

    const QByteArray riff = file.read(12);
    if (riff.size() != 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return false;

    int bytesPerFrame = 0;
    ChunkHeader chunk;
    while (readChunkHeader(file, chunk)) {
        const qint64 bodyStart = file.pos();
        const qint64 bytesLeft = fileSize - bodyStart;
        if (chunk.id == "data") {
            // Qt reads whole samples only, so a partial one at the end is never read.
            return bytesPerFrame > 0 && chunk.size > 0 && chunk.size <= bytesLeft
                   && chunk.size % quint32(bytesPerFrame) == 0;
        }
        // Qt does not skip the pad byte after an odd chunk, unlike the RIFF rule: the two
        // readings part ways there, so such a file is not trusted.
        if (chunk.size > bytesLeft || chunk.size % 2 != 0)
            return false;
        if (chunk.id == "fmt ") {
            if (chunk.size < 16)
                return false;
            const QByteArray format = file.read(16);
            if (format.size() != 16)
                return false;
            const quint16 channels = qFromLittleEndian<quint16>(format.constData() + 2);
            const quint16 bitsPerSample = qFromLittleEndian<quint16>(format.constData() + 14);
            if (channels == 0 || bitsPerSample == 0 || bitsPerSample % 8 != 0)
                return false;
            bytesPerFrame = channels * (bitsPerSample / 8);
        }
        if (!file.seek(bodyStart + chunk.size))
            return false;
    }
    return false; // no sample data
}

} // namespace virdo
