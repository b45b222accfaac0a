#pragma once

#include "windows/controlspec.h"

#include <QWidget>

namespace virdo {

// A top-level window of the game, built from its table of controls. Each control
// carries its name in the game as objectName.
class GameWindow : public QWidget
{
    Q_OBJECT

public:
    explicit GameWindow(const WindowSpec &spec, QWidget *parent = nullptr);

    const WindowSpec &spec() const { return m_spec; }

    // The control of that name; every name the handlers use is in the table.
    QWidget *control(const char *name) const;
    template<typename T>
    T *control(const char *name) const { return qobject_cast<T *>(control(name)); }

signals:
    // The player closed the window through its frame; what else follows is the game's choice.
    void closeRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    const WindowSpec &m_spec;
};

} // namespace virdo
