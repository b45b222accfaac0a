#pragma once

#include "windows/gamewindow.h"

namespace virdo {

// The replay window: it carries the player's name into the next game.
class RejouerWindow : public GameWindow
{
    Q_OBJECT

public:
    explicit RejouerWindow(QWidget *parent = nullptr);

    QString nomjoueur;
};

} // namespace virdo
