#pragma once

namespace virdo {

class VirdoWindow;

// Joueur: the player starts. Ordinateur: the computer starts.
void clicJoueur(VirdoWindow &fenetre);
void clicOrdinateur(VirdoWindow &fenetre);

} // namespace virdo
