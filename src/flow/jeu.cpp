#include "flow/jeu.h"

#include "media/picture.h"
#include "media/soundplayer.h"
#include "windows/announcer.h"
#include "windows/centring.h"
#include "windows/toolkit.h"
#include "windows/windowbuilder.h"

#include <QAbstractButton>
#include <QCheckBox>

namespace virdo {

Jeu::Jeu(SoundPlayer &son, Generateur &hasard, MessageBoxes &messages, Announcer &annonces, QObject *parent)
    : QObject(parent)
    , m_son(son)
    , m_hasard(hasard)
    , m_messages(messages)
    , m_annonces(annonces)
{
}

Jeu::~Jeu()
{
    delete m_principale;
    delete m_rejouer;
    delete m_eureka;
}

void Jeu::demarrer()
{
    chargerPrincipale();
}

void Jeu::chargerPrincipale()
{
    m_partie = {};
    auto *fenetre = new VirdoWindow;
    m_principale = fenetre;
    connecterPrincipale(fenetre);
    // Placed before it shows, so that it does not jump.
    centreOnScreen(fenetre);
    // What the window asks, read with its title as it opens.
    m_annonces.announce(fenetre, {text(fenetre->control(VirdoControl::Bonjour))});
    fenetre->show();
}

void Jeu::connecterPrincipale(VirdoWindow *fenetre)
{
    auto bouton = [fenetre](VirdoControl nom) { return fenetre->button(nom); };
    connect(bouton(VirdoControl::Identite), &QAbstractButton::clicked, fenetre, [this] { clicIdentite(); });
    for (int k = 1; k <= 8; ++k) {
        connect(fenetre->checkBox(caseProgramme(k)), &QAbstractButton::clicked, fenetre, [this, k] {
            clicProgramme(k);
            // A game begins: the sound, pictures and window icons of its end get ready meanwhile.
            m_son.prepare();
            preparePictures();
            sharedIcon(tableOf<EurekaControl>().icon);
            sharedIcon(tableOf<RejouerControl>().icon);
        });
    }
    connect(bouton(VirdoControl::Joueur), &QAbstractButton::clicked, fenetre, [this] { clicJoueur(); });
    connect(bouton(VirdoControl::Ordinateur), &QAbstractButton::clicked, fenetre, [this] { clicOrdinateur(); });
    connect(bouton(VirdoControl::Envoi), &QAbstractButton::clicked, this, &Jeu::clicEnvoi);
    connect(bouton(VirdoControl::FIN), &QAbstractButton::clicked, this, &Jeu::clicFin);
    connect(fenetre, &GameWindow::closeRequested, this, &Jeu::terminer);
}

RejouerWindow &Jeu::rejouer()
{
    if (!m_rejouer) {
        m_rejouer = new RejouerWindow;
        m_nomjoueur.clear();
        // Centred once: later showings keep the window where the player left it.
        centreOnScreen(m_rejouer);
        connect(m_rejouer->button(RejouerControl::OUI), &QAbstractButton::clicked, this,
                &Jeu::clicOui);
        connect(m_rejouer->button(RejouerControl::NON), &QAbstractButton::clicked, this,
                &Jeu::clicNon);
        // Closing the replay window through its frame means "no more games".
        connect(m_rejouer, &GameWindow::closeRequested, this, &Jeu::clicNon);
    }
    return *m_rejouer;
}

EurekaWindow &Jeu::eureka()
{
    if (!m_eureka) {
        m_eureka = new EurekaWindow;
        // Closing it before FIN hides it and silences its tune; FIN still ends the game.
        connect(m_eureka, &GameWindow::closeRequested, this, [this] {
            m_eureka->hide();
            m_son.stop();
        });
    }
    return *m_eureka;
}

namespace {

// Unloading may happen inside a click of the window itself: hide now, delete once
// the click has returned to the event loop.
template<typename Window>
void decharger(QPointer<Window> &fenetre)
{
    if (!fenetre)
        return;
    fenetre->hide();
    fenetre->deleteLater();
    fenetre = nullptr;
}

} // namespace

void Jeu::dechargerPrincipale()
{
    decharger(m_principale);
    verifierFin();
}

void Jeu::dechargerRejouer()
{
    decharger(m_rejouer);
    verifierFin();
}

void Jeu::dechargerEureka()
{
    decharger(m_eureka);
    verifierFin();
}

void Jeu::terminer()
{
    m_son.stop();
    decharger(m_principale);
    decharger(m_rejouer);
    decharger(m_eureka);
    verifierFin();
}

void Jeu::verifierFin()
{
    if (!m_principale && !m_rejouer && !m_eureka)
        emit termine();
}

} // namespace virdo
