#pragma once

#include "windows/gamewindow.h"

namespace virdo {

// The main window, where one game is played.
class VirdoWindow : public GameWindow
{
    Q_OBJECT

public:
    explicit VirdoWindow(QWidget *parent = nullptr);
};

} // namespace virdo
