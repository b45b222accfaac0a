#pragma once

#include <chrono>

namespace virdo {

// Whether the sound server answers: a connection of its own, made and let go within the
// patience given. Qt's audio engine connects once, when it starts, and never again if the
// server was missing then; asking first lets it start only once it will succeed.
// Waits on the server: to be called on the sound thread only.
bool soundServerAnswers(std::chrono::milliseconds patience);

} // namespace virdo
