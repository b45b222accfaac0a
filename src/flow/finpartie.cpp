#include "flow/jeu.h"
#include "media/soundplayer.h"
#include "windows/announcer.h"
#include "windows/toolkit.h"

namespace virdo {

void Jeu::clicFin()
{
    if (!m_principale)
        return;
    eureka().hide();
    RejouerWindow &fenetre = rejouer();
    // The question, read with the window's title as it opens.
    m_annonces.announce(&fenetre, {text(fenetre.control(RejouerControl::Label1))});
    fenetre.show();
    setText(fenetre.control(RejouerControl::nj), m_partie.prenom);
    // Silence once the replay window is up, before the main window goes.
    m_son.stop();
    dechargerPrincipale();
}

void Jeu::clicOui()
{
    // Only from the replay window on screen with no game loaded: a second click that
    // arrives before the first has done its work would load a second main window.
    if (m_principale || !m_rejouer || m_rejouer->isHidden())
        return;
    m_nomjoueur = text(m_rejouer->control(RejouerControl::nj));
    chargerPrincipale();
    setText(m_principale->control(VirdoControl::ndj), m_nomjoueur);
    m_rejouer->hide();
}

void Jeu::clicNon()
{
    if (!m_rejouer)
        return; // a second click: the first one has already ended the game
    dechargerRejouer();
    dechargerEureka();
}

} // namespace virdo
