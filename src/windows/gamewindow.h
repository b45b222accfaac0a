#pragma once

#include "windows/tableformat.h"

#include <QWidget>

#include <vector>

class QAbstractButton;
class QCheckBox;
class QLabel;
class QLineEdit;

namespace virdo {

class MultiLineBox;
class PictureBox;
class WindowResources;

// A top-level window of the game, built from its table of controls. Each control
// carries its name in the game as objectName.
class GameWindow : public QWidget
{
    Q_OBJECT

public:
    GameWindow(const WindowTable &table, WindowResources &resources, QWidget *parent = nullptr);

    const WindowTable &table() const { return m_table; }

    // Shows the window above the game, on the screen of CONTROL's window and clear of
    // CONTROL, which comes up with its window from under any other. The first showing puts
    // it at the top-left of that screen, where a new window goes by default; later ones keep
    // the window where it was, as long as it leaves CONTROL in sight.
    void showClearOf(QWidget *control);

signals:
    // The player closed the window through its frame; what else follows is the game's choice.
    void closeRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

    // The control of that row of the table, checked to be of the kind asked for.
    QWidget *controlAt(std::size_t row) const;
    QAbstractButton *buttonAt(std::size_t row) const;
    QLineEdit *textBoxAt(std::size_t row) const;
    MultiLineBox *multiLineBoxAt(std::size_t row) const;
    QLabel *labelAt(std::size_t row) const;
    QCheckBox *checkBoxAt(std::size_t row) const;
    PictureBox *pictureBoxAt(std::size_t row) const;

private:
    QWidget *controlOf(std::size_t row, Kind kind) const;

    const WindowTable &m_table;
    WindowResources &m_resources;
    std::vector<QWidget *> m_controls; // in the order of the table
    bool m_placed = false;
};

} // namespace virdo
