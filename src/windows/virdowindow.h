#pragma once

#include "engine/partie.h"
#include "windows/gamewindow.h"

namespace virdo {

// The main window: it owns the record of the game played in it.
class VirdoWindow : public GameWindow
{
    Q_OBJECT

public:
    explicit VirdoWindow(QWidget *parent = nullptr);

    Partie partie;
};

} // namespace virdo
