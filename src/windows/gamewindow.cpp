#include "windows/gamewindow.h"

#include "windows/centring.h"
#include "windows/multilinebox.h"
#include "windows/picturebox.h"
#include "windows/windowbuilder.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>

namespace virdo {

GameWindow::GameWindow(const WindowTable &table, WindowResources &resources, QWidget *parent)
    : QWidget(parent)
    , m_table(table)
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

void GameWindow::closeEvent(QCloseEvent *event)
{
    // The window goes; the game decides what else that means. Accepting lets a session
    // logout close the game instead of being refused.
    event->accept();
    emit closeRequested();
}

} // namespace virdo
