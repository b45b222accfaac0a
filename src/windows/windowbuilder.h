#pragma once

#include "windows/controlspec.h"

#include <QFont>
#include <QIcon>

class QWidget;

namespace virdo {

// Gives the window its caption, size, frame, colours, font and icon, and creates
// its controls from the table, with their stacking and tab order.
void buildWindow(QWidget *window, const WindowSpec &spec);

QFont fontFor(const FontSpec &spec);

// The icon in that file, decoded once for the whole program and shared by every window.
QIcon sharedIcon(const char *path);

} // namespace virdo
