#include "flow/jeu.h"

#include "engine/programmes.h"
#include "flow/accueil.h"
#include "media/soundplayer.h"
#include "windows/announcer.h"
#include "windows/centring.h"
#include "windows/toolkit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <functional>

namespace virdo {

// Each program is ticked in a box of its own.
static_assert(nombreDeCases == nombreDeProgrammes);

namespace {

// Unloading may happen inside a click of the window itself: hide now, delete once
// the click has returned to the event loop.
template<typename Window>
void unload(QPointer<Window> &window)
{
    if (!window)
        return;
    window->hide();
    window->deleteLater();
    window = nullptr;
}

// Space, Return or Enter pressed in a window where no control takes it (a control that
// does, such as a text box, keeps it). Held down, the key counts once.
class GoOnKeyFilter final : public QObject
{
public:
    GoOnKeyFilter(QObject *parent, std::function<void()> goOn)
        : QObject(parent)
        , m_goOn(std::move(goOn))
    {
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool goOn = key->key() == Qt::Key_Space || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!goOn || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        if (!key->isAutoRepeat())
            m_goOn();
        return true;
    }

private:
    std::function<void()> m_goOn;
};

} // namespace

Jeu::Jeu(SoundPlayer &son, Generateur &hasard, MessageBoxes &messages, Announcer &annonces, QObject *parent)
    : QObject(parent)
    , m_son(son)
    , m_annonces(annonces)
    , m_tour(hasard, messages, annonces)
    , m_fin(son, annonces)
    , m_preparation(son, m_ressources)
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

template<typename Handler>
void Jeu::onClick(QAbstractButton *button, Handler handler)
{
    // The window as context: a deleted window's buttons call nothing. A check box answers
    // every change of its tick: a click makes one, and so does the "Toggle" action a screen
    // reader or switch access sends, which is no click. The game itself clears boxes only
    // with their signals blocked.
    const auto signal = qobject_cast<QCheckBox *>(button) ? &QAbstractButton::toggled : &QAbstractButton::clicked;
    connect(button, signal, m_principale, [this, handler] {
        if (m_principale)
            handler();
    });
}

void Jeu::onReturn(QLineEdit *box, QAbstractButton *button)
{
    // Return or Enter in the box does what a click on the button does, while it is on screen.
    connect(box, &QLineEdit::returnPressed, button, [button] {
        if (button->isVisible() && button->isEnabled())
            button->click();
    });
}

void Jeu::chargerPrincipale()
{
    m_partie = {};
    m_principale = new VirdoWindow(m_ressources);
    auto bouton = [this](VirdoControl nom) { return m_principale->button(nom); };
    onClick(bouton(VirdoControl::Identite), [this] { clicIdentite(); });
    for (int k = 1; k <= nombreDeProgrammes; ++k)
        onClick(m_principale->checkBox(caseProgramme(k)), [this, k] { clicProgramme(k); });
    onClick(bouton(VirdoControl::Joueur), [this] { clicPremier(Tour::Joueur); });
    onClick(bouton(VirdoControl::Ordinateur), [this] { clicPremier(Tour::Ordinateur); });
    onClick(bouton(VirdoControl::Envoi), [this] { clicEnvoi(); });
    onClick(bouton(VirdoControl::FIN), [this] { clicFin(); });
    onReturn(m_principale->textBox(VirdoControl::ndj), bouton(VirdoControl::Identite));
    onReturn(m_principale->textBox(VirdoControl::nbj), bouton(VirdoControl::Envoi));
    connect(m_principale, &GameWindow::closeRequested, this, &Jeu::terminer);
    // Placed before it shows, so that it does not jump.
    centreOnScreen(m_principale, m_ressources);
    // What the window asks, read with its title as it opens.
    m_annonces.announce(m_principale, {m_principale->label(VirdoControl::Bonjour)->text()});
    m_principale->show();
}

void Jeu::clicIdentite()
{
    accueillir(*m_principale, m_partie, m_annonces);
}

void Jeu::clicProgramme(int k)
{
    presenterProgramme(*m_principale, m_partie, k, m_annonces);
    // The game has begun: its end is made ready while the child plays.
    m_preparation.preparer();
}

void Jeu::clicPremier(Tour premier)
{
    m_tour.commencer(*m_principale, m_partie, premier);
}

void Jeu::clicEnvoi()
{
    if (m_tour.jouer(*m_principale, m_partie) == TourDeJeu::Issue::Victoire)
        m_fin.annoncerVictoire(*m_principale, m_partie, fenetreEureka());
}

RejouerWindow &Jeu::fenetreRejouer()
{
    if (!m_rejouer) {
        m_rejouer = new RejouerWindow(m_ressources);
        m_nomjoueur.clear();
        // Centred once: later showings keep the window where the player left it.
        centreOnScreen(m_rejouer, m_ressources);
        connect(m_rejouer->button(RejouerControl::OUI), &QAbstractButton::clicked, m_rejouer, [this] { clicOui(); });
        connect(m_rejouer->button(RejouerControl::NON), &QAbstractButton::clicked, m_rejouer, [this] { clicNon(); });
        // Closing the replay window through its frame means "no more games".
        connect(m_rejouer, &GameWindow::closeRequested, this, &Jeu::clicNon);
    }
    return *m_rejouer;
}

EurekaWindow &Jeu::fenetreEureka()
{
    if (!m_eureka) {
        m_eureka = new EurekaWindow(m_ressources);
        // Closing it before FIN hides it and silences its tune; FIN still ends the game.
        connect(m_eureka, &GameWindow::closeRequested, this, [this] {
            m_eureka->hide();
            m_son.stop();
        });
        // The victory window comes up over the main window and takes the keyboard: there,
        // Space or Return goes on as FIN does, and a child at the keyboard need not look for
        // the main window again.
        m_eureka->installEventFilter(new GoOnKeyFilter(m_eureka, [this] {
            QAbstractButton *fin = m_principale ? m_principale->button(VirdoControl::FIN) : nullptr;
            if (fin && fin->isVisible())
                fin->click();
        }));
    }
    return *m_eureka;
}

void Jeu::clicFin()
{
    fenetreEureka().hide();
    RejouerWindow &fenetre = fenetreRejouer();
    // The question, read with the window's title as it opens.
    m_annonces.announce(&fenetre, {fenetre.label(RejouerControl::Label1)->text()});
    fenetre.show();
    setText(fenetre.textBox(RejouerControl::nj), m_partie.prenom);
    // Silence once the replay window is up, before the main window goes.
    m_son.stop();
    unload(m_principale);
    verifierFin();
}

void Jeu::clicOui()
{
    // Only from the replay window on screen with no game loaded: a second click that
    // arrives before the first has done its work would load a second main window.
    if (m_principale || !m_rejouer || m_rejouer->isHidden())
        return;
    m_nomjoueur = m_rejouer->textBox(RejouerControl::nj)->text();
    chargerPrincipale();
    setText(m_principale->textBox(VirdoControl::ndj), m_nomjoueur);
    m_rejouer->hide();
}

void Jeu::clicNon()
{
    if (!m_rejouer)
        return; // a second click: the first one has already ended the game
    unload(m_rejouer);
    unload(m_eureka);
    verifierFin();
}

void Jeu::terminer()
{
    m_son.stop();
    unload(m_principale);
    unload(m_rejouer);
    unload(m_eureka);
    verifierFin();
}

void Jeu::verifierFin()
{
    if (!m_principale && !m_rejouer && !m_eureka)
        emit termine();
}

} // namespace virdo
