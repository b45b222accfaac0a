#include "windows/rejouerwindow.h"

#include "windows/windowtables.h"

namespace virdo {

RejouerWindow::RejouerWindow(QWidget *parent)
    : GameWindow(rejouerWindowSpec(), parent)
{
}

} // namespace virdo
