#pragma once

// Brings a game window up for the windows' tests: built from its table, one of its controls
// found by name, both shown, and the window waited for, each wait with Qt's deadline.

#include "driver.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

#include <memory>

// How far a test brings a window up before it looks: built only, on screen, or on screen
// and taking the keys.
enum class Show { No, Exposed, Active };

// Shows the window and waits until it is exposed, or active when keys must reach it.
inline bool showWindow(QWidget *window, Show how = Show::Exposed)
{
    window->show();
    if (how != Show::Active)
        return QTest::qWaitForWindowExposed(window);
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

template<class Control>
struct OpenedWindow
{
    std::unique_ptr<virdo::GameWindow> window;
    Control *control = nullptr;
    // Empty when the control is there, of that kind, and the window came up as asked.
    QString complaint;
};

// The window of that objectName ("VIRDO", "Rejouer", "Eureka") and its control of that
// name and kind. Brought up, the control is shown first, as the game shows it in its window.
template<class Control = QWidget>
OpenedWindow<Control> openWindow(const QString &window, const QString &control,
                                 virdo::WindowResources &ressources, Show how = Show::No)
{
    OpenedWindow<Control> opened{driver::newWindow(window, ressources), nullptr, {}};
    opened.control = qobject_cast<Control *>(driver::byName(*opened.window, control));
    if (!opened.control) {
        opened.complaint = QStringLiteral("%1 has no %2 of the kind the test needs").arg(window, control);
        return opened;
    }
    if (how != Show::No) {
        opened.control->show();
        if (!showWindow(opened.window.get(), how))
            opened.complaint = QStringLiteral("%1 does not come up").arg(window);
    }
    return opened;
}

// Empty when the window's frame lies inside AREA, else where it lies.
inline QString frameOutside(const QWidget *window, const QRect &area)
{
    const QRect f = window->frameGeometry();
    if (area.contains(f))
        return {};
    return QStringLiteral("%1's frame %2,%3 %4x%5 leaves %6,%7 %8x%9")
        .arg(window->objectName()).arg(f.x()).arg(f.y()).arg(f.width()).arg(f.height())
        .arg(area.x()).arg(area.y()).arg(area.width()).arg(area.height());
}
