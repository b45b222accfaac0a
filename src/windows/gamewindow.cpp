#include "windows/gamewindow.h"

#include "windows/windowbuilder.h"

#include <QCloseEvent>

namespace virdo {

GameWindow::GameWindow(const WindowSpec &spec, QWidget *parent)
    : QWidget(parent)
    , m_spec(spec)
{
    buildWindow(this, spec);
}

QWidget *GameWindow::control(const char *name) const
{
    QWidget *widget = findChild<QWidget *>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    Q_ASSERT_X(widget, "GameWindow::control", name);
    return widget;
}

void GameWindow::closeEvent(QCloseEvent *event)
{
    // The window goes; the game decides what else that means. Accepting lets a session
    // logout close the game instead of being refused.
    event->accept();
    emit closeRequested();
}

} // namespace virdo
