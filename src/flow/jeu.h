#pragma once

#include "windows/rejouerwindow.h"
#include "windows/virdowindow.h"

#include <QObject>
#include <QPointer>

namespace virdo {

class Generateur;
class MessageBoxes;
class SoundPlayer;

// Holds the game's three windows through their lifetimes and wires their clicks to
// the handlers. The main window lives for one game; the replay and victory windows
// are created hidden when first used, then only hidden and shown.
class Jeu : public QObject
{
    Q_OBJECT

public:
    Jeu(SoundPlayer &son, Generateur &hasard, MessageBoxes &messages, QObject *parent = nullptr);
    ~Jeu() override;

    // Creates and shows the main window, as at program start.
    void demarrer();

    // The main window, or nullptr once FIN has unloaded it.
    VirdoWindow *principale() const { return m_principale; }
    // Using a window that is not loaded loads it first, hidden.
    RejouerWindow &rejouer();
    GameWindow &eureka();
    bool rejouerCharge() const { return m_rejouer; }
    bool eurekaCharge() const { return m_eureka; }

    void chargerPrincipale();
    void dechargerPrincipale();
    void dechargerRejouer();
    void dechargerEureka();

    // Closing the main window through its frame ends the program: no sound left
    // playing, no hidden window left behind.
    void terminer();

    SoundPlayer &son() { return m_son; }
    Generateur &hasard() { return m_hasard; }
    MessageBoxes &messages() { return m_messages; }

signals:
    // No window is loaded any more: the program ends.
    void termine();

private:
    void connecterPrincipale(VirdoWindow *fenetre);
    void verifierFin();

    SoundPlayer &m_son;
    Generateur &m_hasard;
    MessageBoxes &m_messages;
    QPointer<VirdoWindow> m_principale;
    QPointer<RejouerWindow> m_rejouer;
    QPointer<GameWindow> m_eureka;
};

} // namespace virdo
