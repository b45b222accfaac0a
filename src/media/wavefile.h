#pragma once

#include <QByteArray>

#include <optional>

namespace virdo {

// The samples of a WAV file and how to play them.
struct Wave
{
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0; // 8: unsigned, 16: signed little-endian
    QByteArray samples;    // a whole number of frames, never empty
};

// The WAV in these bytes, when it is one the game can loop safely: uncompressed PCM, one or
// two channels, 8 or 16 bits, 8,000 to 96,000 frames a second, and sample data that is all
// there and holds whole frames. Anything else is std::nullopt: a cut or odd file could leave
// the sound system waiting for bytes that never come, a rate of a few hertz divides by zero
// inside it, and an empty sample would loop without end.
std::optional<Wave> parseWave(const QByteArray &bytes);

} // namespace virdo
