#include "engine/conversions.h"
#include "engine/coupordinateur.h"
#include "engine/entree.h"
#include "flow/jeu.h"
#include "windows/messageboxes.h"
#include "windows/toolkit.h"

#include <QPointer>

namespace virdo {

namespace {

const QString titreErreur = QStringLiteral("Erreur");

} // namespace

void Jeu::tourOrdinateur(VirdoWindow &fenetre)
{
    Partie &partie = m_partie;
    fenetre.control(VirdoControl::Joueur)->hide();
    fenetre.control(VirdoControl::nbj)->hide();
    fenetre.control(VirdoControl::Envoi)->hide();
    fenetre.control(VirdoControl::Ordinateur)->hide();
    fenetre.control(VirdoControl::nombreordinateur)->show();

    CoupOrdinateur(partie, m_hasard);
    setText(fenetre.control(VirdoControl::nombreordinateur),
            QStringLiteral("Moi, l'ordinateur, j'ai joué:") + formatSigne(partie.nombrejoue));
    setText(fenetre.control(VirdoControl::Nombre), formatSigne(partie.total));
    if (partie.total == partie.objectif) {
        AnnonceVictoire();
        return;
    }
    setText(fenetre.control(VirdoControl::nbj), QString());
    passerLaMain();
    annoncer({VirdoControl::nombreordinateur, VirdoControl::Nombre, VirdoControl::nj});
}

void Jeu::tourJoueur(VirdoWindow &fenetre)
{
    Partie &partie = m_partie;
    fenetre.control(VirdoControl::Joueur)->hide();
    fenetre.control(VirdoControl::Ordinateur)->hide();
    QWidget *nbj = fenetre.control(VirdoControl::nbj);
    const Verdict verdict = jugerEntree(text(nbj), partie);
    partie.nombrejoue = verdict.nombre;
    nbj->hide();

    switch (verdict.entree) {
    case Entree::Vide:
    case Entree::Triche: {
        const QPointer<VirdoWindow> garde(&fenetre);
        m_messages.show(&fenetre,
                    verdict.entree == Entree::Vide
                            ? QStringLiteral("Tu n'as tapé aucun nombre ! Respecte les consignes ...")
                            : QStringLiteral("Erreur, tu triches ! Respecte les consignes ..."),
                    titreErreur);
        if (!garde)
            return; // the game ended while the box was open
        if (verdict.entree == Entree::Triche)
            setText(nbj, QString());
        partie.tour = Tour::Refus;
        break;
    }
    case Entree::Acceptee:
        ajouterAuTotal(partie);
        setText(fenetre.control(VirdoControl::Nombre), formatSigne(partie.total));
        if (partie.total == partie.objectif) {
            AnnonceVictoire();
            return;
        }
        break;
    }
    passerLaMain();
    if (partie.tour == Tour::Ordinateur)
        annoncer({VirdoControl::Nombre, VirdoControl::nj, VirdoControl::nombreordinateur});
    else // refused: the child plays again
        annoncer({VirdoControl::nj});
}

void Jeu::clicEnvoi()
{
    if (!m_principale)
        return;
    if (m_partie.tour == Tour::Ordinateur)
        tourOrdinateur(*m_principale);
    else
        tourJoueur(*m_principale);
}

void Jeu::passerLaMain()
{
    VirdoWindow &fenetre = *m_principale;
    Partie &partie = m_partie;
    QWidget *nj = fenetre.control(VirdoControl::nj);
    QWidget *nbj = fenetre.control(VirdoControl::nbj);
    QWidget *envoi = fenetre.control(VirdoControl::Envoi);
    if (partie.tour == Tour::Ordinateur || partie.tour == Tour::Refus) {
        fenetre.control(VirdoControl::Joueur)->hide();
        fenetre.control(VirdoControl::Ordinateur)->hide();
        setText(nj, partie.prenom + QStringLiteral(", à toi de proposer un nombre >"));
        nj->show();
        nbj->show();
        giveFocus(nbj);
        envoi->show();
        setText(envoi, QStringLiteral("Clique pour valider ton nombre"));
        partie.tour = Tour::Joueur;
    } else {
        fenetre.control(VirdoControl::Ordinateur)->hide();
        QWidget *nombreordinateur = fenetre.control(VirdoControl::nombreordinateur);
        nombreordinateur->show();
        setText(nombreordinateur, QStringLiteral("Pour que je propose un nombre, clique sur le bouton de droite >"));
        envoi->show();
        setText(envoi, QStringLiteral("Clique pour me faire jouer, moi, l'ordinateur"));
        partie.tour = Tour::Ordinateur;
        nbj->hide();
        setText(nj, partie.prenom + QStringLiteral(" , c'est à l'ordinateur de jouer ..."));
    }
}

} // namespace virdo
