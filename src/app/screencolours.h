#pragma once

namespace virdo {

// Qt's windows cannot paint on a screen of fewer than 15 bits of colour (a palette of 256
// colours, depth 8): they draw nothing, then crash. Asked once the application is built,
// before any window exists; false after one French line on stderr.
bool screenHasEnoughColours();

} // namespace virdo
