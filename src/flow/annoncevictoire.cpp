#include "flow/jeu.h"
#include "media/picture.h"
#include "media/soundplayer.h"
#include "windows/announcer.h"
#include "windows/picturebox.h"
#include "windows/toolkit.h"

namespace virdo {

void Jeu::AnnonceVictoire()
{
    VirdoWindow &fenetre = *m_principale;
    const QString &prenom = m_partie.prenom;
    const bool joueurGagne = m_partie.tour == Tour::Joueur;
    const QString crlf = QStringLiteral("\r\n");

    if (joueurGagne) {
        setText(fenetre.control(VirdoControl::nj), QStringLiteral("Moi, ") + prenom + QStringLiteral(", j'ai vaincu l'ordinateur ! "));
        setText(fenetre.control(VirdoControl::nombreordinateur),
                QStringLiteral("Hélas, moi, l'ordinateur, j'ai été vaincu par ") + prenom + QStringLiteral(" !"));
    } else {
        setText(fenetre.control(VirdoControl::nj), QStringLiteral("Désolé, ") + prenom + QStringLiteral(", tu as perdu !!!"));
        setText(fenetre.control(VirdoControl::nombreordinateur), QStringLiteral("et moi l'ordinateur, j'ai gagné !"));
    }
    fenetre.control(VirdoControl::Envoi)->hide();
    QWidget *fin = fenetre.control(VirdoControl::FIN);
    fin->show();
    // The focus Envoi gave up would otherwise wrap round to the name box and select the name.
    giveFocus(fin);
    annoncer({VirdoControl::Nombre, VirdoControl::nj, VirdoControl::nombreordinateur, VirdoControl::FIN});

    // The picture is in place before the window shows; a missing or unreadable file
    // leaves the previous picture and the announcement goes on.
    const QString cri = joueurGagne
            ? QStringLiteral("Moi, ") + prenom + QStringLiteral(",") + crlf + QStringLiteral("j'ai vaincu l'ordinateur ! ")
            : QStringLiteral("Moi, l'ordinateur, j'ai vaincu ") + crlf + prenom;
    EurekaWindow &eureka = this->eureka();
    // Who won, read with the window's title as it opens.
    m_annonces.announce(&eureka, {cri});
    if (const auto image = loadPicture(joueurGagne ? QStringLiteral("Enfants.bmp") : QStringLiteral("chiffres.bmp")))
        eureka.pictureBox(EurekaControl::Photo)->setPicture(*image);
    eureka.show();
    // Shown again in a later game, it would come up under the newer main window.
    eureka.raise();
    m_son.playLoop(joueurGagne ? QStringLiteral("victoire.wav") : QStringLiteral("Son2.wav"));
    setText(eureka.control(EurekaControl::CRI), cri);
}

} // namespace virdo
