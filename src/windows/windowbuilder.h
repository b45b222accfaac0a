#pragma once

#include "windows/windowtable.h"

#include <QIcon>

#include <vector>

class QWidget;

namespace virdo {

// Gives the window its caption, size, frame, colours, font and icon, and creates
// its controls from the table, with their stacking and tab order. Answers the controls
// in the order of the table.
std::vector<QWidget *> buildWindow(QWidget *window, const WindowTable &table);

// The icon in that file, decoded once for the whole program and shared by every window.
QIcon sharedIcon(const char *path);

} // namespace virdo
