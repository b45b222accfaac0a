#pragma once

#include <QString>

class QCheckBox;
class QWidget;

namespace virdo {

// The operations every click handler uses on the controls, whatever their kind.

// Text of a text box or label, caption of a button.
void setText(QWidget *control, const QString &value);
QString text(const QWidget *control);

// Geometry set by the handlers, in twips.
void setWidthInTwips(QWidget *control, int twips);
void setLeftInTwips(QWidget *control, int twips);

// Clears a check box; this is not a click by the player and runs no handler.
void uncheck(QCheckBox *box);

void giveFocus(QWidget *control);

} // namespace virdo
