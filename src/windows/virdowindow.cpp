#include "windows/virdowindow.h"

#include "windows/windowtables.h"

namespace virdo {

VirdoWindow::VirdoWindow(QWidget *parent)
    : GameWindow(virdoWindowSpec(), parent)
{
}

} // namespace virdo
