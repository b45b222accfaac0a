#pragma once

namespace virdo {

class Jeu;

// FIN: leaves the finished game for the replay window and unloads the main window.
void clicFin(Jeu &jeu);
// OUI: a new game in a fresh main window, the name already typed in.
void clicOui(Jeu &jeu);
// NON: unloads the remaining windows, which ends the program.
void clicNon(Jeu &jeu);

} // namespace virdo
