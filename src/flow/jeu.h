#pragma once

#include "engine/partie.h"
#include "flow/findepartie.h"
#include "flow/preparationdelafin.h"
#include "flow/tourdejeu.h"
#include "windows/window.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QObject>
#include <QPointer>

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

    // What a test observes: the record of the game in the main window, and the windows
    // as they stand (nullptr for one that is not loaded; the main window once FIN has
    // unloaded it).
    const Partie &partie() const { return m_partie; }
    VirdoWindow *principale() const { return m_principale; }
    RejouerWindow *rejouer() const { return m_rejouer; }
    EurekaWindow *eureka() const { return m_eureka; }
    // The name OUI carried from the replay window into the new game.
    const QString &nomjoueur() const { return m_nomjoueur; }
    // What the game's windows share: the program's own icon comes from there too.
    WindowResources &ressources() { return m_ressources; }

signals:
    // No window is loaded any more: the program ends.
    void termine();

private slots:
    // Identite: greets the player by name and offers the eight programs.
    void clicIdentite();
    // Check1 ... Check8: loads program k, shows its target and rules, and offers the
    // choice of the first player. Also when the chosen box is clicked again mid-game.
    void clicProgramme(int k);
    // Joueur, Ordinateur: who starts.
    void clicPremier(Tour premier);
    // Envoi: one move, then the winning move ends the game or the turn passes.
    void clicEnvoi();
    // FIN: leaves the finished game for the replay window and unloads the main window.
    void clicFin();
    // OUI: a new game in a fresh main window, the name already typed in.
    void clicOui();
    // NON: unloads the remaining windows, which ends the program.
    void clicNon();
    // Closing the main window through its frame ends the program: no sound left
    // playing, no hidden window left behind.
    void terminer();

private:
    // A fresh main window, with a fresh record.
    void chargerPrincipale();
    // Connects a click of the main window. A handler runs only while the window is the
    // game's: once unloaded (hidden, deleted later) it answers no click any more.
    template<typename Handler>
    void onClick(QAbstractButton *button, Handler handler);
    // Return in a text box of the main window as a click on the button that sends it.
    void onReturn(QLineEdit *box, QAbstractButton *button);
    RejouerWindow &fenetreRejouer();
    EurekaWindow &fenetreEureka();
    void verifierFin();

    SoundPlayer &m_son;
    Announcer &m_annonces;
    TourDeJeu m_tour;
    FinDePartie m_fin;
    Partie m_partie;
    WindowResources m_ressources;
    PreparationDeLaFin m_preparation;
    // The name the replay window carries into the next game.
    QString m_nomjoueur;
    QPointer<VirdoWindow> m_principale;
    QPointer<RejouerWindow> m_rejouer;
    QPointer<EurekaWindow> m_eureka;
};

} // namespace virdo
