#pragma once

namespace virdo {

// Maps the faces the windows name to the nearest free faces installed with the game,
// where the machine does not have the named face. Called once, at start.
void installFontSubstitutions();

} // namespace virdo
