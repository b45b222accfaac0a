#pragma once

#include <QPushButton>

namespace virdo {

// A push button whose caption wraps onto further lines at blanks, as the game's
// long captions ("Clique pour me faire jouer, moi, l'ordinateur") need. Return and
// Enter press it when it has the focus, as Space does.
class WrapButton : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace virdo
