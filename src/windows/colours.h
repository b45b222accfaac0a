#pragma once

#include "windows/tableformat.h"

class QColor;

namespace virdo {

// The system colours the windows were drawn with: the 3-D face behind labels and windows
// (as light desktops draw it), black text on it, and white inside text boxes. A theme whose
// own colours the fixed ones do not read on (a dark one) gives way to these.
inline constexpr int designFace = 0xEFEFEF;
inline constexpr int designFaceText = 0x000000;
inline constexpr int designBoxBase = 0xFFFFFF;

// Contrast ratio of two colours, from 1 (the same) to 21 (black on white), as readability
// guidelines measure it.
double contrast(const QColor &a, const QColor &b);

// The background of a control whose text colour is fixed: the table's, else THEMED as long as
// the text reads on it, else DESIGN. Default for a control of the theme's colours.
int backgroundFor(const ControlRow &row, const QColor &themed, int design);

// Whether every label that lets the window's background show through reads on WINDOW.
bool labelsRead(const WindowTable &table, const QColor &window);

} // namespace virdo
