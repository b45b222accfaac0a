#pragma once

#include <QString>

class QCheckBox;
class QWidget;

namespace virdo {

// The operations every click handler uses on the controls, whatever their kind.

// Text of a text box or label, caption of a button.
void setTexte(QWidget *control, const QString &texte);
QString texte(const QWidget *control);

// Geometry set by the handlers, in twips.
void setLargeur(QWidget *control, int twips);
void setGauche(QWidget *control, int twips);

// Clears a check box; this is not a click by the player and runs no handler.
void decocher(QCheckBox *box);

void donnerFocus(QWidget *control);

} // namespace virdo
