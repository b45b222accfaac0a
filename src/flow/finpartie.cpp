#include "flow/finpartie.h"

#include "flow/jeu.h"
#include "media/soundplayer.h"
#include "windows/gamewindow.h"
#include "windows/rejouerwindow.h"
#include "windows/toolkit.h"
#include "windows/virdowindow.h"

namespace virdo {

void clicFin(Jeu &jeu)
{
    VirdoWindow *fenetre = jeu.principale();
    if (!fenetre)
        return;
    jeu.eureka().hide();
    RejouerWindow &rejouer = jeu.rejouer();
    rejouer.show();
    setTexte(rejouer.control("nj"), fenetre->partie.prenom);
    // Silence once the replay window is up, before the main window goes.
    jeu.son().stop();
    jeu.dechargerPrincipale();
}

void clicOui(Jeu &jeu)
{
    // Only from the replay window on screen with no game loaded: a second click that
    // arrives before the first has done its work would load a second main window.
    if (jeu.principale() || !jeu.rejouerCharge() || jeu.rejouer().isHidden())
        return;
    RejouerWindow &rejouer = jeu.rejouer();
    rejouer.nomjoueur = texte(rejouer.control("nj"));
    jeu.chargerPrincipale();
    setTexte(jeu.principale()->control("ndj"), rejouer.nomjoueur);
    rejouer.hide();
}

void clicNon(Jeu &jeu)
{
    if (!jeu.rejouerCharge())
        return; // a second click: the first one has already ended the game
    jeu.dechargerRejouer();
    jeu.dechargerEureka();
}

} // namespace virdo
