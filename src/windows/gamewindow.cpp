#include "windows/gamewindow.h"

#include "windows/centring.h"
#include "windows/multilinebox.h"
#include "windows/picturebox.h"
#include "windows/windowbuilder.h"
#include "windows/windowresources.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QWindow>

namespace virdo {

GameWindow::GameWindow(const WindowTable &table, WindowResources &resources, QWidget *parent)
    : QWidget(parent)
    , m_table(table)
    , m_resources(resources)
    , m_controls(buildWindow(this, table, resources))
{
    // The game's windows keep their place from one showing to the next, on a screen that
    // may have changed meanwhile.
    keepOnScreen(this);
}

QWidget *GameWindow::controlAt(std::size_t row) const
{
    Q_ASSERT(row < m_controls.size());
    return m_controls[row];
}

QWidget *GameWindow::controlOf(std::size_t row, Kind kind) const
{
    Q_ASSERT_X(m_table.controls[row].kind == kind, "GameWindow", m_table.controls[row].name);
    return controlAt(row);
}

QAbstractButton *GameWindow::buttonAt(std::size_t row) const
{
    return static_cast<QAbstractButton *>(controlOf(row, Kind::Button));
}

QLineEdit *GameWindow::textBoxAt(std::size_t row) const
{
    return static_cast<QLineEdit *>(controlOf(row, Kind::TextBox));
}

MultiLineBox *GameWindow::multiLineBoxAt(std::size_t row) const
{
    return static_cast<MultiLineBox *>(controlOf(row, Kind::MultiLineTextBox));
}

QLabel *GameWindow::labelAt(std::size_t row) const
{
    return static_cast<QLabel *>(controlOf(row, Kind::Label));
}

QCheckBox *GameWindow::checkBoxAt(std::size_t row) const
{
    return static_cast<QCheckBox *>(controlOf(row, Kind::CheckBox));
}

PictureBox *GameWindow::pictureBoxAt(std::size_t row) const
{
    return static_cast<PictureBox *>(controlOf(row, Kind::PictureBox));
}

void GameWindow::showClearOf(QWidget *control)
{
    QWidget *beside = control->window();
    // Both above a window that covers the game (a full-screen one): the control must show.
    // The window the child just played in is active already, and a screen reader need not
    // hear it named again.
    beside->raise();
    if (!beside->isActiveWindow())
        beside->activateWindow();

    QScreen *screen = beside->screen();
    const QRect area = screen->availableGeometry();
    if (!m_placed) {
        setScreen(screen);
        move(area.topLeft());
        m_placed = true;
    }
    // A window not shown yet has no frame of its own: most likely the one the others got.
    QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    if (frame.isNull())
        frame = m_resources.expectedFrame();
    const QRect place = QRect(pos(), size()).marginsAdded(QMargins(0, 0, frame.left() + frame.right(),
                                                                    frame.top() + frame.bottom()));
    const QRect avoid(control->mapToGlobal(QPoint()), control->size());
    move(placeClearOf(place, area, avoid));
    show();
    raise();
}

void GameWindow::closeEvent(QCloseEvent *event)
{
    // The window goes; the game decides what else that means. Accepting lets a session
    // logout close the game instead of being refused.
    event->accept();
    emit closeRequested();
}

} // namespace virdo
