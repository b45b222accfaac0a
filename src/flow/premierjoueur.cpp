#include "flow/jeu.h"

#include "windows/toolkit.h"

namespace virdo {

namespace {

// The message boxes widen to the left over the place of the two buttons.
constexpr int gaucheMessages = 120;
constexpr int largeurNj = 9855;
constexpr int largeurNombreOrdinateur = 8895;

void widen(QWidget *box, int width)
{
    setWidthInTwips(box, width);
    setLeftInTwips(box, gaucheMessages);
}

} // namespace

void Jeu::clicJoueur()
{
    VirdoWindow &fenetre = *m_principale;
    Partie &partie = m_partie;
    fenetre.control(VirdoControl::Ordinateur)->hide();
    fenetre.control(VirdoControl::Joueur)->hide();
    partie.tour = Tour::Joueur;
    QWidget *nj = fenetre.control(VirdoControl::nj);
    QWidget *nombreordinateur = fenetre.control(VirdoControl::nombreordinateur);
    widen(nj, largeurNj);
    widen(nombreordinateur, largeurNombreOrdinateur);
    nombreordinateur->show();
    setText(nombreordinateur, QStringLiteral("J'attends patiemment mon tour pour jouer ..."));
    setText(nj, partie.prenom + QStringLiteral(", propose un nombre >"));
    nj->show();
    QWidget *nbj = fenetre.control(VirdoControl::nbj);
    nbj->show();
    giveFocus(nbj);
    fenetre.control(VirdoControl::Envoi)->show();
    annoncer({VirdoControl::nombreordinateur, VirdoControl::nj});
}

void Jeu::clicOrdinateur()
{
    VirdoWindow &fenetre = *m_principale;
    Partie &partie = m_partie;
    fenetre.control(VirdoControl::Joueur)->hide();
    fenetre.control(VirdoControl::Ordinateur)->hide();
    partie.tour = Tour::Ordinateur;
    QWidget *nj = fenetre.control(VirdoControl::nj);
    widen(nj, largeurNj);
    nj->show();
    setText(nj, partie.prenom + QStringLiteral(", attends ton tour pour jouer ..."));
    QWidget *nombreordinateur = fenetre.control(VirdoControl::nombreordinateur);
    widen(nombreordinateur, largeurNombreOrdinateur);
    nombreordinateur->show();
    setText(nombreordinateur, QStringLiteral("Clique sur le bouton de droite pour que je joue >>>"));
    QWidget *envoi = fenetre.control(VirdoControl::Envoi);
    envoi->show();
    setText(envoi, QStringLiteral("Clique pour me faire jouer, moi, l'ordinateur"));
    annoncer({VirdoControl::nj, VirdoControl::nombreordinateur});
}

} // namespace virdo
