#include "windows/toolkit.h"

#include "windows/multilinebox.h"
#include "windows/twips.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace virdo {

void setTexte(QWidget *control, const QString &texte)
{
    if (auto *box = qobject_cast<QLineEdit *>(control)) {
        box->setText(texte);
        box->setCursorPosition(0); // a long text shows its beginning, as the player reads it
    } else if (auto *box = qobject_cast<MultiLineBox *>(control)) {
        box->setText(texte);
    } else if (auto *label = qobject_cast<QLabel *>(control)) {
        label->setText(texte);
    } else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
        button->setText(texte);
    } else {
        Q_ASSERT_X(false, "setTexte", "control without a text");
    }
}

QString texte(const QWidget *control)
{
    if (auto *box = qobject_cast<const QLineEdit *>(control))
        return box->text();
    if (auto *box = qobject_cast<const MultiLineBox *>(control))
        return box->text();
    if (auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    Q_ASSERT_X(false, "texte", "control without a text");
    return {};
}

void setLargeur(QWidget *control, int twips)
{
    control->resize(twipsToPixelsX(control, twips), control->height());
}

void setGauche(QWidget *control, int twips)
{
    control->move(twipsToPixelsX(control, twips), control->y());
}

void decocher(QCheckBox *box)
{
    const QSignalBlocker noClick(box);
    box->setChecked(false);
}

void donnerFocus(QWidget *control)
{
    control->setFocus(Qt::OtherFocusReason);
}

} // namespace virdo
