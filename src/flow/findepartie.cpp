#include "flow/findepartie.h"

#include "flow/annonces.h"
#include "media/picture.h"
#include "media/son.h"
#include "media/soundplayer.h"
#include "windows/announcer.h"
#include "windows/multilinebox.h"
#include "windows/picturebox.h"
#include "windows/toolkit.h"

#include <QAbstractButton>
#include <QLineEdit>

namespace virdo {

FinDePartie::FinDePartie(SoundPlayer &son, Announcer &annonces)
    : m_son(son)
    , m_annonces(annonces)
{
}

void FinDePartie::annoncerVictoire(VirdoWindow &fenetre, const Partie &partie, EurekaWindow &eureka)
{
    const QString &prenom = partie.prenom;
    const bool joueurGagne = partie.tour == Tour::Joueur;
    const QString crlf = QStringLiteral("\r\n");

    QLineEdit *nj = fenetre.textBox(VirdoControl::nj);
    QLineEdit *nombreordinateur = fenetre.textBox(VirdoControl::nombreordinateur);
    if (joueurGagne) {
        setText(nj, QStringLiteral("Moi, ") + prenom + QStringLiteral(", j'ai vaincu l'ordinateur ! "));
        setText(nombreordinateur, QStringLiteral("Hélas, moi, l'ordinateur, j'ai été vaincu par ") + prenom + QStringLiteral(" !"));
    } else {
        setText(nj, QStringLiteral("Désolé, ") + prenom + QStringLiteral(", tu as perdu !!!"));
        setText(nombreordinateur, QStringLiteral("et moi l'ordinateur, j'ai gagné !"));
    }
    QAbstractButton *fin = fenetre.button(VirdoControl::FIN);
    fin->show();
    // FIN takes the focus before Envoi goes, which would hand it round to the name box.
    giveFocus(fin);
    fenetre.button(VirdoControl::Envoi)->hide();
    m_annonces.announceVictory(&fenetre, {totalLu(fenetre), nj->text(), nombreordinateur->text(), fin->text()});

    // The picture is in place before the window shows; a missing or unreadable file
    // leaves the previous picture and the announcement goes on.
    const QString cri = joueurGagne
            ? QStringLiteral("Moi, ") + prenom + QStringLiteral(",") + crlf + QStringLiteral("j'ai vaincu l'ordinateur ! ")
            : QStringLiteral("Moi, l'ordinateur, j'ai vaincu ") + crlf + prenom;
    // Who won, read with the window's title as it opens.
    m_annonces.announceVictory(&eureka, {cri});
    if (const auto image = loadPicture(fichierDeLImage(joueurGagne ? Image::Victoire : Image::Defaite)))
        eureka.pictureBox(EurekaControl::Photo)->setPicture(*image);
    // Shown again in a later game, it would come up under the newer main window; FIN stays
    // in sight beside it.
    eureka.showClearOf(fin);
    m_son.playLoop(joueurGagne ? Son::Victoire : Son::Defaite);
    eureka.multiLineBox(EurekaControl::CRI)->setText(cri);
}

} // namespace virdo
