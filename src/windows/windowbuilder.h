#pragma once

#include "windows/tableformat.h"

#include <vector>

class QWidget;

namespace virdo {

class WindowResources;

// Gives the window its caption, size, frame, colours, font and icon, and creates
// its controls from the table, with their stacking and tab order. Answers the controls
// in the order of the table.
std::vector<QWidget *> buildWindow(QWidget *window, const WindowTable &table, WindowResources &resources);

} // namespace virdo
