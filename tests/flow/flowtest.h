#pragma once

// What the flow tests share on top of the tests' driver: numbers as shown, the focus in
// nbj, and the check that a test left no window behind.

#include "driver.h"

#include "flow/jeu.h"
#include "windows/window.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

#include <memory>

namespace flowtest {

using driver::Rig;

// How the game shows a non-negative number: one blank where the sign would stand.
inline QString asShown(int n)
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
inline void verifyNbjFocus(Rig &rig)
{
    QWidget *nbj = rig.control(VirdoControl::nbj);
    QCOMPARE(rig.mainWindow().focusWidget(), nbj);
    if (!rig.mainWindow().isActiveWindow()) {
        rig.mainWindow().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&rig.mainWindow()));
    }
    QVERIFY(nbj->hasFocus());
}

// Deletes the game and checks that it took all its windows with it.
inline void verifyNoWindowLeft(std::unique_ptr<Rig> &rig)
{
    rig.reset();
    DRIVER_NO_WINDOW_LEFT();
}

} // namespace flowtest
