#pragma once

// What the flow tests share on top of the tests' driver: the texts they expect, the focus
// in nbj, and the check that a test left no window behind.

#include "pilote.h"

#include "flow/jeu.h"
#include "windows/window.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

#include <memory>

namespace flowtest {

using pilote::Banc;

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

// Stops the calling test once a helper has failed.
#define FLOW_DO(appel)                    \
    do {                                  \
        appel;                            \
        if (QTest::currentTestFailed())   \
            return;                       \
    } while (false)

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
    PILOTE_AUCUNE_FENETRE();
}

} // namespace flowtest
