#include "flow/premierjoueur.h"

#include "windows/toolkit.h"
#include "windows/virdowindow.h"

namespace virdo {

namespace {

// The message boxes widen to the left over the place of the two buttons.
constexpr int gaucheMessages = 120;
constexpr int largeurNj = 9855;
constexpr int largeurNombreOrdinateur = 8895;

void elargir(QWidget *boite, int largeur)
{
    setLargeur(boite, largeur);
    setGauche(boite, gaucheMessages);
}

} // namespace

void clicJoueur(VirdoWindow &fenetre)
{
    Partie &partie = fenetre.partie;
    fenetre.control("Ordinateur")->hide();
    fenetre.control("Joueur")->hide();
    partie.tour = QStringLiteral("J");
    QWidget *nj = fenetre.control("nj");
    QWidget *nombreordinateur = fenetre.control("nombreordinateur");
    elargir(nj, largeurNj);
    elargir(nombreordinateur, largeurNombreOrdinateur);
    nombreordinateur->show();
    setTexte(nombreordinateur, QStringLiteral("J'attends patiemment mon tour pour jouer ..."));
    setTexte(nj, partie.prenom + QStringLiteral(", propose un nombre >"));
    nj->show();
    QWidget *nbj = fenetre.control("nbj");
    nbj->show();
    donnerFocus(nbj);
    fenetre.control("Envoi")->show();
}

void clicOrdinateur(VirdoWindow &fenetre)
{
    Partie &partie = fenetre.partie;
    fenetre.control("Joueur")->hide();
    fenetre.control("Ordinateur")->hide();
    partie.tour = QStringLiteral("O");
    QWidget *nj = fenetre.control("nj");
    elargir(nj, largeurNj);
    nj->show();
    setTexte(nj, partie.prenom + QStringLiteral(", attends ton tour pour jouer ..."));
    QWidget *nombreordinateur = fenetre.control("nombreordinateur");
    elargir(nombreordinateur, largeurNombreOrdinateur);
    nombreordinateur->show();
    setTexte(nombreordinateur, QStringLiteral("Clique sur le bouton de droite pour que je joue >>>"));
    QWidget *envoi = fenetre.control("Envoi");
    envoi->show();
    setTexte(envoi, QStringLiteral("Clique pour me faire jouer, moi, l'ordinateur"));
}

} // namespace virdo
