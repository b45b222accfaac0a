#pragma once

#include <QString>

class QCheckBox;
class QLineEdit;
class QWidget;

namespace virdo {

// The operations the click handlers use on the controls beside the widgets' own.

// A one-line box shows a long text from its beginning, as the player reads it.
void setText(QLineEdit *box, const QString &value);

// Geometry set by the handlers, in twips.
void setWidthInTwips(QWidget *control, int twips);
void setLeftInTwips(QWidget *control, int twips);

// Clears a check box; this is not a click by the player and runs no handler.
void uncheck(QCheckBox *box);

void giveFocus(QWidget *control);

} // namespace virdo
