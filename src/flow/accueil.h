#pragma once

#include "engine/partie.h"
#include "windows/window.h"

namespace virdo {

class Announcer;

// The opening of a game in the main window, up to the choice of who starts.

// Identite: greets the player by the name typed in ndj and offers the eight programs.
void accueillir(VirdoWindow &fenetre, Partie &partie, Announcer &annonces);

// Check<k>: loads program k, shows its target and rules, and offers the choice of the
// first player. Also when the chosen box is clicked again mid-game.
void presenterProgramme(VirdoWindow &fenetre, Partie &partie, int k, Announcer &annonces);

} // namespace virdo
