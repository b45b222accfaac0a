#pragma once

namespace virdo {

class Jeu;
class VirdoWindow;

// Envoi: one turn. On the computer's turn it plays; on the player's turn it reads,
// checks and adds the number typed in nbj. Then the winning move ends the game,
// or the turn passes to the other side.
void clicEnvoi(Jeu &jeu);

// Lays out the main window for whoever plays next and records it in tour.
void passerLaMain(VirdoWindow &fenetre);

} // namespace virdo
