#pragma once

namespace virdo {

class VirdoWindow;

// Identite: greets the player by name and offers the eight programs.
void clicIdentite(VirdoWindow &fenetre);

// Check1 ... Check8: loads program k, shows its target and rules, and offers the
// choice of the first player. Also when the chosen box is clicked again mid-game.
void clicProgramme(VirdoWindow &fenetre, int k);

} // namespace virdo
