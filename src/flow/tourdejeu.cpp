#include "flow/tourdejeu.h"

#include "engine/conversions.h"
#include "engine/coupordinateur.h"
#include "engine/entree.h"
#include "flow/annonces.h"
#include "windows/announcer.h"
#include "windows/messageboxes.h"
#include "windows/toolkit.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPointer>

namespace virdo {

namespace {

// A message box widens to the left over the place of the two buttons, to the left edge of
// Tirage, and keeps its right edge: nj then lies exactly over Tirage, nombreordinateur ends
// just left of Envoi.
void elargir(VirdoWindow &fenetre, VirdoControl boite)
{
    const int gauche = rowOf(VirdoControl::Tirage).left;
    const ControlRow &dessin = rowOf(boite);
    QLineEdit *message = fenetre.textBox(boite);
    setWidthInTwips(message, dessin.left + dessin.width - gauche);
    setLeftInTwips(message, gauche);
}

// The child's turn: what nj says, the number box with the focus, Envoi to send it.
// The focus goes first and the buttons that had it go after, all in one click: a hidden
// button would hand its focus on along the tab order, and a screen reader would present
// every control on the way.
void montrerTourJoueur(VirdoWindow &fenetre, const QString &invitation)
{
    QLineEdit *nj = fenetre.textBox(VirdoControl::nj);
    setText(nj, invitation);
    nj->show();
    QLineEdit *nbj = fenetre.textBox(VirdoControl::nbj);
    nbj->show();
    giveFocus(nbj);
    fenetre.button(VirdoControl::Envoi)->show();
    fenetre.button(VirdoControl::Joueur)->hide();
    fenetre.button(VirdoControl::Ordinateur)->hide();
}

// The computer's turn: what nj and nombreordinateur say, Envoi to make the computer play.
// Envoi, the next thing to press, takes the focus once its caption is the new one.
void montrerTourOrdinateur(VirdoWindow &fenetre, const QString &attente, const QString &consigne)
{
    QLineEdit *nj = fenetre.textBox(VirdoControl::nj);
    setText(nj, attente);
    nj->show();
    QLineEdit *nombreordinateur = fenetre.textBox(VirdoControl::nombreordinateur);
    nombreordinateur->show();
    setText(nombreordinateur, consigne);
    QAbstractButton *envoi = fenetre.button(VirdoControl::Envoi);
    envoi->show();
    envoi->setText(QStringLiteral("Clique pour me faire jouer, moi, l'ordinateur"));
    giveFocus(envoi);
    fenetre.button(VirdoControl::Joueur)->hide();
    fenetre.button(VirdoControl::Ordinateur)->hide();
}

QString texteDe(const VirdoWindow &fenetre, VirdoControl boite)
{
    return fenetre.textBox(boite)->text();
}

} // namespace

TourDeJeu::TourDeJeu(Generateur &hasard, MessageBoxes &messages, Announcer &annonces)
    : m_hasard(hasard)
    , m_messages(messages)
    , m_annonces(annonces)
{
}

void TourDeJeu::commencer(VirdoWindow &fenetre, Partie &partie, Tour premier)
{
    partie.tour = premier;
    QLineEdit *nj = fenetre.textBox(VirdoControl::nj);
    QLineEdit *nombreordinateur = fenetre.textBox(VirdoControl::nombreordinateur);
    elargir(fenetre, VirdoControl::nj);
    elargir(fenetre, VirdoControl::nombreordinateur);
    if (premier == Tour::Joueur) {
        nombreordinateur->show();
        setText(nombreordinateur, QStringLiteral("J'attends patiemment mon tour pour jouer ..."));
        montrerTourJoueur(fenetre, partie.prenom + QStringLiteral(", propose un nombre >"));
        m_annonces.announce(&fenetre, {nombreordinateur->text(), nj->text()});
    } else {
        montrerTourOrdinateur(fenetre, partie.prenom + QStringLiteral(", attends ton tour pour jouer ..."),
                              QStringLiteral("Clique sur le bouton de droite pour que je joue >>>"));
        m_annonces.announce(&fenetre, {nj->text(), nombreordinateur->text()});
    }
}

TourDeJeu::Issue TourDeJeu::jouer(VirdoWindow &fenetre, Partie &partie)
{
    return partie.tour == Tour::Ordinateur ? coupOrdinateur(fenetre, partie) : coupJoueur(fenetre, partie);
}

TourDeJeu::Issue TourDeJeu::coupOrdinateur(VirdoWindow &fenetre, Partie &partie)
{
    fenetre.button(VirdoControl::Joueur)->hide();
    fenetre.textBox(VirdoControl::nbj)->hide();
    // Envoi stays through the computer's move: the hand-over shows it again at once and a
    // victory hides it. Hidden here, it would hand its focus round to the name box on the
    // way to nbj.
    fenetre.button(VirdoControl::Ordinateur)->hide();
    fenetre.textBox(VirdoControl::nombreordinateur)->show();

    CoupOrdinateur(partie, m_hasard);
    setText(fenetre.textBox(VirdoControl::nombreordinateur),
            QStringLiteral("Moi, l'ordinateur, j'ai joué:") + formatSigne(partie.nombrejoue));
    setText(fenetre.textBox(VirdoControl::Nombre), formatSigne(partie.total));
    if (partie.total == partie.objectif)
        return Issue::Victoire;
    setText(fenetre.textBox(VirdoControl::nbj), QString());
    passerLaMain(fenetre, partie);
    m_annonces.announce(&fenetre, {texteDe(fenetre, VirdoControl::nombreordinateur), totalLu(fenetre),
                                   texteDe(fenetre, VirdoControl::nj)});
    return Issue::Suite;
}

TourDeJeu::Issue TourDeJeu::coupJoueur(VirdoWindow &fenetre, Partie &partie)
{
    fenetre.button(VirdoControl::Joueur)->hide();
    fenetre.button(VirdoControl::Ordinateur)->hide();
    QLineEdit *nbj = fenetre.textBox(VirdoControl::nbj);
    const Verdict verdict = jugerEntree(nbj->text(), partie);
    partie.nombrejoue = verdict.nombre;
    // Sent with Return from nbj, the number leaves the focus where a click would, on Envoi,
    // and not on the next box of the tab order. An accepted number that does not win leaves
    // nbj to the hand-over, which hides it once Envoi has its new caption and the focus: a
    // screen reader then presents Envoi as it now reads.
    const auto cacherNbj = [&] {
        giveFocus(fenetre.button(VirdoControl::Envoi));
        nbj->hide();
    };

    switch (verdict.entree) {
    case Entree::Vide:
    case Entree::Triche: {
        cacherNbj();
        const QPointer<VirdoWindow> garde(&fenetre);
        m_messages.show(&fenetre,
                        verdict.entree == Entree::Vide
                                ? QStringLiteral("Tu n'as tapé aucun nombre ! Respecte les consignes ...")
                                : QStringLiteral("Erreur, tu triches ! Respecte les consignes ..."),
                        QStringLiteral("Erreur"));
        if (!garde)
            return Issue::Fermee;
        if (verdict.entree == Entree::Triche)
            setText(nbj, QString());
        partie.tour = Tour::Refus;
        break;
    }
    case Entree::Acceptee:
        ajouterAuTotal(partie);
        setText(fenetre.textBox(VirdoControl::Nombre), formatSigne(partie.total));
        if (partie.total == partie.objectif) {
            cacherNbj();
            return Issue::Victoire;
        }
        break;
    }
    passerLaMain(fenetre, partie);
    if (partie.tour == Tour::Ordinateur)
        m_annonces.announce(&fenetre, {totalLu(fenetre), texteDe(fenetre, VirdoControl::nj),
                                       texteDe(fenetre, VirdoControl::nombreordinateur)});
    else // refused: the child plays again
        m_annonces.announce(&fenetre, {texteDe(fenetre, VirdoControl::nj)});
    return Issue::Suite;
}

void TourDeJeu::passerLaMain(VirdoWindow &fenetre, Partie &partie)
{
    if (partie.tour == Tour::Ordinateur || partie.tour == Tour::Refus) {
        montrerTourJoueur(fenetre, partie.prenom + QStringLiteral(", à toi de proposer un nombre >"));
        fenetre.button(VirdoControl::Envoi)->setText(QStringLiteral("Clique pour valider ton nombre"));
        partie.tour = Tour::Joueur;
    } else {
        montrerTourOrdinateur(fenetre, partie.prenom + QStringLiteral(" , c'est à l'ordinateur de jouer ..."),
                              QStringLiteral("Pour que je propose un nombre, clique sur le bouton de droite >"));
        fenetre.textBox(VirdoControl::nbj)->hide();
        partie.tour = Tour::Ordinateur;
    }
}

} // namespace virdo
