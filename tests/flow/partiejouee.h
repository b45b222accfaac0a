#pragma once

// What the flow tests share: a game with its stand-ins, the player's gestures on the
// real widgets, and the check that a test left no window behind.

#include "answeringmessageboxes.h"
#include "pilote.h"
#include "recordingsoundplayer.h"
#include "sequencegenerateur.h"

#include "flow/jeu.h"
#include "windows/window.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <memory>

namespace flowtest {

// A game as main() runs it, with a silent sound, a known random sequence and message
// boxes answered with OK.
struct Banc
{
    explicit Banc(QList<double> fractions = {0.0})
        : hasard(std::move(fractions))
    {
    }

    RecordingSoundPlayer son;
    SequenceGenerateur hasard;
    AnsweringMessageBoxes messages;
    virdo::Jeu jeu{son, hasard, messages};

    virdo::VirdoWindow &fenetre() { return *jeu.principale(); }
    virdo::Partie &partie() { return jeu.partie(); }
    QWidget *ctl(VirdoControl nom) { return jeu.principale()->control(nom); }
    // For the checks that go down a list of names.
    QWidget *ctl(const QString &nom) { return pilote::parNom(*jeu.principale(), nom); }
    QLineEdit *boite(VirdoControl nom) { return jeu.principale()->textBox(nom); }
    QCheckBox *caseProgramme(int k) { return jeu.principale()->checkBox(virdo::caseProgramme(k)); }
};

inline const QString suiteAccueil = QStringLiteral(
        ", ce programme va te permettre de tester tes capacités logiques mathématiques et de t'exercer contre "
        "l'ordinateur que tu pourras vaincre à condition d'avoir compris la logique du jeu et d'être bon(ne) en "
        "calcul mental... Il est bien sûr possible de s'aider en utilisant une feuille de papier et un stylo...");
inline const QString suiteTirageOffre = QStringLiteral(
        ", tu as le choix entre 8 programmes de stratégie mathématique qui vont te permettre de tester tes "
        "capacités de réflexion et de calcul mental .... Choisis un des huit programmes proposés sur la droite "
        "en cochant la case désirée ...");
inline const QString suiteTirageChoix = QStringLiteral(
        ", tu as le choix de commencer ou de laisser commencer l'ordinateur, mais attention, ce choix est important !");

inline const QString legendeValider = QStringLiteral("Clique pour valider ton nombre");
inline const QString legendeFaireJouer = QStringLiteral("Clique pour me faire jouer, moi, l'ordinateur");
inline const QString legendeDepart = QStringLiteral("Clique ici pour continuer");
inline const QString invitationOrdinateur =
        QStringLiteral("Pour que je propose un nombre, clique sur le bouton de droite >");

// How the game shows a non-negative number: one blank where the sign would stand.
inline QString affiche(int n)
{
    return QLatin1Char(' ') + QString::number(n);
}

// A click where the player clicks: the middle of a button, the tick box of a check box.
// A hidden control cannot be clicked.
inline void cliquer(QWidget *control)
{
    QVERIFY2(control, "no such control");
    QVERIFY2(control->isVisible(), qPrintable(control->objectName() + QStringLiteral(" is not on screen")));
    QPoint ou = control->rect().center();
    if (auto *box = qobject_cast<QCheckBox *>(control)) {
        QStyleOptionButton option;
        option.initFrom(box);
        ou = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box).center();
    }
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, ou);
}

// The player empties the box, then types the text.
inline void taper(QLineEdit *boite, const QString &texte)
{
    QVERIFY2(boite->isVisible(), qPrintable(boite->objectName() + QStringLiteral(" is not on screen")));
    boite->clear();
    // keyClicks knows only ASCII; an accented letter is sent with its own key and text.
    for (const QChar c : texte) {
        if (c.unicode() < 128)
            QTest::keyClick(boite, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, boite, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    }
    QCOMPARE(boite->text(), texte);
}

// Stops the calling test once a helper has failed.
#define FLOW_DO(appel)                    \
    do {                                  \
        appel;                            \
        if (QTest::currentTestFailed())   \
            return;                       \
    } while (false)

// Starts the game, waits for the main window to take the keyboard, types the name
// and clicks Identite.
inline void saluer(Banc &banc, const QString &nom)
{
    banc.jeu.demarrer();
    QVERIFY(QTest::qWaitForWindowActive(&banc.fenetre()));
    if (!nom.isEmpty())
        FLOW_DO(taper(banc.boite(VirdoControl::ndj), nom));
    FLOW_DO(cliquer(banc.ctl(VirdoControl::Identite)));
}

// The button of that caption's name: "Joueur" or "Ordinateur".
inline VirdoControl bouton(const QString &nom)
{
    return nom == QLatin1String("Joueur") ? VirdoControl::Joueur : VirdoControl::Ordinateur;
}

// Greeting, program k, then the first player ("Joueur" or "Ordinateur").
inline void commencer(Banc &banc, const QString &nom, int k, VirdoControl premier)
{
    FLOW_DO(saluer(banc, nom));
    FLOW_DO(cliquer(banc.caseProgramme(k)));
    FLOW_DO(cliquer(banc.ctl(premier)));
}

// nbj is the main window's focus widget, and takes the keys once the window is active.
// With no window manager (offscreen, bare Xvfb) nothing hands the keyboard back to the
// main window when a message box closes; the test does what the window manager would.
inline void verifierFocusNbj(Banc &banc)
{
    QWidget *nbj = banc.ctl(VirdoControl::nbj);
    QCOMPARE(banc.fenetre().focusWidget(), nbj);
    if (!banc.fenetre().isActiveWindow()) {
        banc.fenetre().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&banc.fenetre()));
    }
    QVERIFY(nbj->hasFocus());
}

// Deletes the game and checks that it took all its windows with it.
inline void verifierAucuneFenetre(std::unique_ptr<Banc> &banc)
{
    banc.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const auto restes = QApplication::topLevelWidgets();
    for (QWidget *w : restes) {
        QVERIFY2(!w->isVisible(), qPrintable(QStringLiteral("window left on screen: ") + w->objectName()));
        QVERIFY2(!qobject_cast<virdo::GameWindow *>(w),
                 qPrintable(QStringLiteral("game window leaked: ") + w->objectName()));
    }
}

} // namespace flowtest
