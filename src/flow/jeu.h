#pragma once

#include "engine/partie.h"
#include "windows/window.h"

#include <QObject>
#include <QPointer>

#include <initializer_list>

namespace virdo {

class Announcer;
class Generateur;
class MessageBoxes;
class SoundPlayer;

// The game: its record, its three windows through their lifetimes, and the handlers of
// their clicks. The main window lives for one game; the replay and victory windows are
// created hidden when first used, then only hidden and shown.
class Jeu : public QObject
{
    Q_OBJECT

public:
    Jeu(SoundPlayer &son, Generateur &hasard, MessageBoxes &messages, Announcer &annonces,
        QObject *parent = nullptr);
    ~Jeu() override;

    // Creates and shows the main window, as at program start.
    void demarrer();

    // The main window, or nullptr once FIN has unloaded it.
    VirdoWindow *principale() const { return m_principale; }
    // Using a window that is not loaded loads it first, hidden.
    RejouerWindow &rejouer();
    EurekaWindow &eureka();
    bool rejouerCharge() const { return m_rejouer; }
    bool eurekaCharge() const { return m_eureka; }

    // The record of the game in the main window; zeroed when that window is loaded.
    Partie &partie() { return m_partie; }
    // The name OUI carried from the replay window into the new game.
    const QString &nomjoueur() const { return m_nomjoueur; }

    // A fresh main window, with a fresh record.
    void chargerPrincipale();
    void dechargerPrincipale();
    void dechargerRejouer();
    void dechargerEureka();

    // Closing the main window through its frame ends the program: no sound left
    // playing, no hidden window left behind.
    void terminer();

    // Identite: greets the player by name and offers the eight programs.
    void clicIdentite();
    // Check1 ... Check8: loads program k, shows its target and rules, and offers the
    // choice of the first player. Also when the chosen box is clicked again mid-game.
    void clicProgramme(int k);
    // Joueur: the player starts. Ordinateur: the computer starts.
    void clicJoueur();
    void clicOrdinateur();
    // Envoi: one turn. On the computer's turn it plays; on the player's turn it reads,
    // checks and adds the number typed in nbj. Then the winning move ends the game,
    // or the turn passes to the other side.
    void clicEnvoi();
    // Lays out the main window for whoever plays next and records it in tour.
    void passerLaMain();
    // The end of a game: the winner's texts in the main window, FIN in place of Envoi,
    // and the victory window with the winner's picture and looping sound.
    void AnnonceVictoire();
    // FIN: leaves the finished game for the replay window and unloads the main window.
    void clicFin();
    // OUI: a new game in a fresh main window, the name already typed in.
    void clicOui();
    // NON: unloads the remaining windows, which ends the program.
    void clicNon();

signals:
    // No window is loaded any more: the program ends.
    void termine();

private:
    void connecterPrincipale(VirdoWindow *fenetre);
    void verifierFin();
    void tourOrdinateur(VirdoWindow &fenetre);
    void tourJoueur(VirdoWindow &fenetre);
    // Tells a screen reader what these controls of the main window now show, in this order.
    void annoncer(std::initializer_list<VirdoControl> controles);


    SoundPlayer &m_son;
    Generateur &m_hasard;
    MessageBoxes &m_messages;
    Announcer &m_annonces;
    Partie m_partie;
    // The name the replay window carries into the next game.
    QString m_nomjoueur;
    QPointer<VirdoWindow> m_principale;
    QPointer<RejouerWindow> m_rejouer;
    QPointer<EurekaWindow> m_eureka;
};

} // namespace virdo
