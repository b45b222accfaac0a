#pragma once

// The tests' driver: plays the game through its real widgets, as a child at the keyboard
// and mouse would. The steps click or type only into controls that are on screen, and
// answer an empty string when they went through, or what stopped them.

#include "answeringmessageboxes.h"
#include "programmesattendus.h"
#include "textesattendus.h"
#include "recordingannouncer.h"
#include "recordingsoundplayer.h"
#include "sequencegenerateur.h"

#include "flow/jeu.h"
#include "windows/multilinebox.h"
#include "windows/window.h"
#include "windows/picturebox.h"
#include "windows/toolkit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStringList>
#include <QTest>

#include <memory>
#include <optional>

using virdo::EurekaControl;
using virdo::RejouerControl;
using virdo::VirdoControl;

namespace driver {

// Stops the calling test with the step's complaint.
#define DRIVER_STEP(step)                                                                                          \
    do {                                                                                                           \
        const QString plainte_ = (step);                                                                           \
        QVERIFY2(plainte_.isEmpty(), qPrintable(plainte_));                                                        \
    } while (false)

// The control of that objectName, for the checks that go down a list of names.
inline QWidget *byName(const QWidget &fenetre, const QString &nom)
{
    return fenetre.findChild<QWidget *>(nom, Qt::FindDirectChildrenOnly);
}

// A window of the game by its objectName ("VIRDO", "Rejouer", "Eureka"), for the checks
// that go down the windows' tables; ressources outlives it, as the game's own does.
inline std::unique_ptr<virdo::GameWindow> newWindow(const QString &nom, virdo::WindowResources &ressources)
{
    if (nom == QLatin1String("VIRDO"))
        return std::make_unique<virdo::VirdoWindow>(ressources);
    if (nom == QLatin1String("Rejouer"))
        return std::make_unique<virdo::RejouerWindow>(ressources);
    return std::make_unique<virdo::EurekaWindow>(ressources);
}

// What a control shows, whatever its kind: the text of a box or label, a button's caption.
inline QString shownText(const QWidget *control)
{
    if (auto *box = qobject_cast<const QLineEdit *>(control))
        return box->text();
    if (auto *box = qobject_cast<const virdo::MultiLineBox *>(control))
        return box->text();
    if (auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    return QStringLiteral("<%1 shows no text>").arg(control->objectName());
}

// Writes into a control as the game would, for the checks that set a window's state.
inline void setShownText(QWidget *control, const QString &value)
{
    if (auto *box = qobject_cast<QLineEdit *>(control))
        virdo::setText(box, value);
    else if (auto *box = qobject_cast<virdo::MultiLineBox *>(control))
        box->setText(value);
    else if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(value);
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        button->setText(value);
}

// The gestures themselves, where the player makes them. A click lands in the middle of
// a button, on the tick of a check box (a box without caption answers only there).
inline void clickOn(QWidget *control)
{
    QPoint ou = control->rect().center();
    if (auto *box = qobject_cast<QCheckBox *>(control)) {
        QStyleOptionButton option;
        option.initFrom(box);
        ou = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box).center();
    }
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, ou);
}

// Replaces what the box holds by typing: select all, then the new text (or a delete).
inline void retype(QLineEdit *box, const QString &texte)
{
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    if (texte.isEmpty())
        QTest::keyClick(box, Qt::Key_Backspace);
    for (const QChar c : texte) {
        // QTest maps only ASCII to keys; an accented letter comes as the text of a key.
        if (c.unicode() < 128) {
            QTest::keyClick(box, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Press, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

// A game as main() runs it, with a silent sound, a known random sequence, message
// boxes answered with OK and announcements recorded; termine counts the ends of the program.
// Given a sound player of its own, the game plays its tunes there instead (son then hears nothing).
struct Rig
{
    explicit Rig(QList<double> fractions = {0.0})
        : hasard(std::move(fractions))
    {
    }
    explicit Rig(virdo::SoundPlayer &autreSon)
        : jeu(autreSon, hasard, messages, annonces)
    {
    }

    RecordingSoundPlayer son;
    SequenceGenerateur hasard;
    AnsweringMessageBoxes messages;
    RecordingAnnouncer annonces;
    virdo::Jeu jeu{son, hasard, messages, annonces};
    QSignalSpy termine{&jeu, &virdo::Jeu::termine};

    virdo::VirdoWindow &mainWindow() { return *jeu.principale(); }
    const virdo::Partie &partie() const { return jeu.partie(); }
    QWidget *control(VirdoControl nom) { return jeu.principale()->control(nom); }
    // For the checks that go down a list of names.
    QWidget *control(const QString &nom) { return byName(*jeu.principale(), nom); }
    QLineEdit *textBox(VirdoControl nom) { return jeu.principale()->textBox(nom); }
    QCheckBox *programBox(int k) { return jeu.principale()->checkBox(virdo::caseProgramme(k)); }
};

inline QString notOnScreen(const QWidget *control)
{
    return control->objectName() + QStringLiteral(" is not on screen");
}

// The steps: a gesture on a control that is on screen, and checked to have done its part.
inline QString click(QWidget *control)
{
    if (!control->isVisible() || !control->isEnabled())
        return notOnScreen(control);
    clickOn(control);
    return {};
}

inline QString typeInto(QLineEdit *box, const QString &texte)
{
    if (!box->isVisible())
        return notOnScreen(box);
    retype(box, texte);
    if (box->text() != texte)
        return QStringLiteral("%1 holds \"%2\" after typing \"%3\"").arg(box->objectName(), box->text(), texte);
    return {};
}

// Pastes into the box, which keeps what it accepts of the text (ndj, the start of a long name).
inline QString paste(QLineEdit *box, const QString &texte)
{
    if (!box->isVisible())
        return notOnScreen(box);
    setShownText(box, texte);
    return {};
}

template<typename Key>
QString click(virdo::Window<Key> &fenetre, Key nom)
{
    return click(fenetre.control(nom));
}

template<typename Key>
QString typeInto(virdo::Window<Key> &fenetre, Key nom, const QString &texte)
{
    return typeInto(fenetre.textBox(nom), texte);
}

// The program started as main() starts it, up to its main window taking the keyboard.
inline QString launch(virdo::Jeu &jeu)
{
    jeu.demarrer();
    if (!jeu.principale() || !QTest::qWaitForWindowActive(jeu.principale()))
        return QStringLiteral("the main window never took the keyboard");
    return {};
}

// The greeting: the name typed (if given), then Identite. A program that shows no window
// yet is started first.
inline QString greet(virdo::Jeu &jeu, const std::optional<QString> &prenom)
{
    if (!jeu.principale() && !jeu.rejouer()) {
        if (const QString plainte = launch(jeu); !plainte.isEmpty())
            return plainte;
    }
    virdo::VirdoWindow *fenetre = jeu.principale();
    if (!fenetre || !QTest::qWaitForWindowExposed(fenetre))
        return QStringLiteral("no main window on screen");
    if (prenom) {
        if (const QString plainte = typeInto(*fenetre, VirdoControl::ndj, *prenom); !plainte.isEmpty())
            return plainte;
    }
    return click(*fenetre, VirdoControl::Identite);
}

// The start of a game, from the name to the first turn: the greeting, program k, then
// whoever starts (Joueur or Ordinateur).
inline QString startGame(virdo::Jeu &jeu, const std::optional<QString> &prenom, int k, VirdoControl premier)
{
    if (const QString plainte = greet(jeu, prenom); !plainte.isEmpty())
        return plainte;
    for (const VirdoControl nom : {virdo::caseProgramme(k), premier}) {
        if (const QString plainte = click(*jeu.principale(), nom); !plainte.isEmpty())
            return plainte;
    }
    return {};
}

// In program 1 (moves of 1 to 10, target 100). With a computer that draws 0.0 for its
// random moves, whoever starts wins: the computer steers onto the key totals 1, 12, ...,
// 100 at once; the player who starts with 1 and then answers every 1 of the computer with
// 10 gets there first.
inline QString startGame(virdo::Jeu &jeu, const std::optional<QString> &prenom, bool joueurGagne)
{
    return startGame(jeu, prenom, 1, joueurGagne ? VirdoControl::Joueur : VirdoControl::Ordinateur);
}

// The player's move: the number typed into nbj, then Envoi.
inline QString playNumber(virdo::Jeu &jeu, const QString &nombre)
{
    if (!jeu.principale())
        return QStringLiteral("no main window");
    if (const QString plainte = typeInto(*jeu.principale(), VirdoControl::nbj, nombre); !plainte.isEmpty())
        return plainte;
    return click(*jeu.principale(), VirdoControl::Envoi);
}

// The player's number: one who means to win steers onto the next key total,
// (objectif - total) % (nbmaxi + 1) away; one who loses, or is already on a key total, plays 1.
inline int nextPlayerNumber(const virdo::Partie &p, bool joueurGagne)
{
    const int versLaCle = (p.objectif - p.total) % (p.nbmaxi + 1);
    return joueurGagne && versLaCle != 0 ? versLaCle : 1;
}

enum class Until { End, LastMove };

// Clicks Envoi turn after turn until the game is over (Envoi gone, FIN shown), or until the
// player's winning number is typed in, the click that wins left to the caller.
inline QString playUntil(virdo::Jeu &jeu, bool joueurGagne, Until until)
{
    for (int coup = 0; coup < 200; ++coup) {
        virdo::VirdoWindow *fenetre = jeu.principale();
        if (!fenetre)
            return QStringLiteral("the main window went away mid-game");
        // Envoi is on screen between any two turns; only the end of the game takes it away.
        // (FIN alone tells nothing: after a win it stays while the program is chosen anew.)
        if (!fenetre->control(VirdoControl::Envoi)->isVisible()) {
            if (until == Until::LastMove)
                return QStringLiteral("the game ended before its last move");
            return fenetre->control(VirdoControl::FIN)->isVisible() ? QString() : QStringLiteral("Envoi gone without FIN");
        }
        if (fenetre->control(VirdoControl::nbj)->isVisible()) {
            const virdo::Partie &p = jeu.partie();
            const int nombre = nextPlayerNumber(p, joueurGagne);
            if (const QString plainte = typeInto(*fenetre, VirdoControl::nbj, QString::number(nombre)); !plainte.isEmpty())
                return plainte;
            if (until == Until::LastMove && p.total + nombre == p.objectif)
                return {};
        }
        const virdo::Tour avant = jeu.partie().tour;
        if (const QString plainte = click(*fenetre, VirdoControl::Envoi); !plainte.isEmpty())
            return plainte;
        // Every number played is within the rules: each click hands over, or ends the game.
        if (jeu.principale() == fenetre && fenetre->control(VirdoControl::Envoi)->isVisible() && jeu.partie().tour == avant)
            return QStringLiteral("Envoi did not hand the turn over");
    }
    return QStringLiteral("no end of game after 200 clicks on Envoi");
}

inline QString playToEnd(virdo::Jeu &jeu, bool joueurGagne)
{
    return playUntil(jeu, joueurGagne, Until::End);
}

inline QString playGame(virdo::Jeu &jeu, const std::optional<QString> &prenom, bool joueurGagne)
{
    if (const QString plainte = startGame(jeu, prenom, joueurGagne); !plainte.isEmpty())
        return plainte;
    return playToEnd(jeu, joueurGagne);
}

// FIN, then OUI: the next game in a fresh main window, the old one gone, as the player goes on.
inline QString replay(virdo::Jeu &jeu)
{
    if (!jeu.principale())
        return QStringLiteral("no main window");
    if (const QString plainte = click(*jeu.principale(), VirdoControl::FIN); !plainte.isEmpty())
        return plainte;
    QCoreApplication::processEvents();
    if (!jeu.rejouer())
        return QStringLiteral("FIN left no Rejouer window");
    if (const QString plainte = click(*jeu.rejouer(), RejouerControl::OUI); !plainte.isEmpty())
        return plainte;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return {};
}

// What the victory window's picture box shows, in one pixel format for comparisons.
inline QImage asImage(const QPixmap &pixmap)
{
    return pixmap.isNull() ? QImage() : pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

inline QImage shownPicture(virdo::EurekaWindow &eureka)
{
    return asImage(eureka.pictureBox(EurekaControl::Photo)->picture());
}

inline QImage fileImage(const QString &nom)
{
    return asImage(QPixmap(nom));
}

inline QStringList remainingWindows()
{
    QStringList noms;
    for (const QWidget *w : QApplication::topLevelWidgets())
        noms << QStringLiteral("%1 (%2)").arg(w->objectName(), QLatin1String(w->metaObject()->className()));
    return noms;
}

// A test's cleanup(): the windows it unloaded are gone once their deletion has run, and
// none is left behind.
#define DRIVER_NO_WINDOW_LEFT()                                                                                    \
    do {                                                                                                           \
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);                                       \
        QVERIFY2(QApplication::topLevelWidgets().isEmpty(),                                                        \
                 qPrintable(QStringLiteral("left behind: ") + driver::remainingWindows().join(u", ")));            \
    } while (false)

} // namespace driver
