#include "flow/jeu.h"

#include "flow/accueil.h"
#include "flow/envoi.h"
#include "flow/finpartie.h"
#include "flow/premierjoueur.h"
#include "media/picture.h"
#include "media/soundplayer.h"
#include "windows/centring.h"
#include "windows/rejouerwindow.h"
#include "windows/virdowindow.h"
#include "windows/windowbuilder.h"
#include "windows/windowtables.h"

#include <QAbstractButton>

namespace virdo {

Jeu::Jeu(SoundPlayer &son, Generateur &hasard, MessageBoxes &messages, QObject *parent)
    : QObject(parent)
    , m_son(son)
    , m_hasard(hasard)
    , m_messages(messages)
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
    auto *fenetre = new VirdoWindow;
    m_principale = fenetre;
    connecterPrincipale(fenetre);
    // Placed before it shows, so that it does not jump.
    centrerSurEcran(fenetre);
    fenetre->show();
}

void Jeu::connecterPrincipale(VirdoWindow *fenetre)
{
    auto bouton = [fenetre](const char *nom) { return fenetre->control<QAbstractButton>(nom); };
    connect(bouton("Identite"), &QAbstractButton::clicked, fenetre, [fenetre] { clicIdentite(*fenetre); });
    for (int k = 1; k <= 8; ++k) {
        const QByteArray nom = "Check" + QByteArray::number(k);
        connect(bouton(nom.constData()), &QAbstractButton::clicked, fenetre, [this, fenetre, k] {
            clicProgramme(*fenetre, k);
            // A game begins: the sound, pictures and window icons of its end get ready meanwhile.
            m_son.prepare();
            preparePictures();
            sharedIcon(eurekaWindowSpec().icon);
            sharedIcon(rejouerWindowSpec().icon);
        });
    }
    connect(bouton("Joueur"), &QAbstractButton::clicked, fenetre, [fenetre] { clicJoueur(*fenetre); });
    connect(bouton("Ordinateur"), &QAbstractButton::clicked, fenetre, [fenetre] { clicOrdinateur(*fenetre); });
    connect(bouton("Envoi"), &QAbstractButton::clicked, this, [this] { clicEnvoi(*this); });
    connect(bouton("FIN"), &QAbstractButton::clicked, this, [this] { clicFin(*this); });
    connect(fenetre, &GameWindow::closeRequested, this, &Jeu::terminer);
}

RejouerWindow &Jeu::rejouer()
{
    if (!m_rejouer) {
        m_rejouer = new RejouerWindow;
        // Centred once: later showings keep the window where the player left it.
        centrerSurEcran(m_rejouer);
        connect(m_rejouer->control<QAbstractButton>("OUI"), &QAbstractButton::clicked, this,
                [this] { clicOui(*this); });
        connect(m_rejouer->control<QAbstractButton>("NON"), &QAbstractButton::clicked, this,
                [this] { clicNon(*this); });
        // Closing the replay window through its frame means "no more games".
        connect(m_rejouer, &GameWindow::closeRequested, this, [this] { clicNon(*this); });
    }
    return *m_rejouer;
}

GameWindow &Jeu::eureka()
{
    if (!m_eureka) {
        m_eureka = new GameWindow(eurekaWindowSpec());
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
