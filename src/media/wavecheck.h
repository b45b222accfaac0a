#pragma once

#include <QString>

namespace virdo {

// Whether QSoundEffect can take in the whole sample of this WAV file. Qt 6.4 waits forever
// for bytes that a truncated file never delivers (empty file, cut header, data shorter than
// announced or not a whole number of samples, big-endian RIFX), and while that wait lasts
// every release of a sample blocks: stopping the tune would freeze the game. An empty sample
// is refused too: looping it would spin forever. Only the layout is checked; whether Qt
// plays the sample format is left to Qt, which reports what it cannot play as an error.
bool waveLoadsCompletely(const QString &filePath);

} // namespace virdo
