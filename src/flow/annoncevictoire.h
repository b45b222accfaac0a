#pragma once

namespace virdo {

class Jeu;

// The end of a game: the winner's texts in the main window, FIN in place of Envoi,
// and the victory window with the winner's picture and looping sound.
void AnnonceVictoire(Jeu &jeu);

} // namespace virdo
