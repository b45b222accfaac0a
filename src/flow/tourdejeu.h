#pragma once

#include "engine/partie.h"
#include "windows/window.h"

namespace virdo {

class Announcer;
class Generateur;
class MessageBoxes;

// The turn cycle in the main window, from the choice of who starts to the winning move:
// whose turn it is shows in the window, Envoi plays the move of the side whose turn it is.
class TourDeJeu
{
public:
    TourDeJeu(Generateur &hasard, MessageBoxes &messages, Announcer &annonces);

    // Joueur or Ordinateur clicked: the window laid out for the first move.
    void commencer(VirdoWindow &fenetre, Partie &partie, Tour premier);

    enum class Issue {
        Suite,    // the turn has passed, or the child plays again after a refused number
        Victoire, // the move reached the target: tour says who made it
        Fermee,   // the window went away while the refusal was on screen
    };
    // Envoi: on the computer's turn it plays; on the child's turn the number typed in nbj
    // is read, checked and added.
    Issue jouer(VirdoWindow &fenetre, Partie &partie);

private:
    Issue coupOrdinateur(VirdoWindow &fenetre, Partie &partie);
    Issue coupJoueur(VirdoWindow &fenetre, Partie &partie);
    // Lays the window out for whoever plays next and records it in tour.
    void passerLaMain(VirdoWindow &fenetre, Partie &partie);

    Generateur &m_hasard;
    MessageBoxes &m_messages;
    Announcer &m_annonces;
};

} // namespace virdo
