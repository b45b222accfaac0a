#pragma once

#include "windows/gamewindow.h"

namespace virdo {

// The replay window: play again, or leave.
class RejouerWindow : public GameWindow
{
    Q_OBJECT

public:
    explicit RejouerWindow(QWidget *parent = nullptr);
};

} // namespace virdo
