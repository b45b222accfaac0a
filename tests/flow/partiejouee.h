#pragma once

// What the flow tests share on top of the tests' driver: numbers as shown, the focus in
// nbj, and the check that a test left no window behind.

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
