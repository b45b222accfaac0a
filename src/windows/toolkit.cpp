#include "windows/toolkit.h"

#include "windows/multilinebox.h"
#include "windows/twips.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace virdo {

void setText(QWidget *control, const QString &value)
{
    if (auto *box = qobject_cast<QLineEdit *>(control)) {
        box->setText(value);
        box->setCursorPosition(0); // a long text shows its beginning, as the player reads it
    } else if (auto *box = qobject_cast<MultiLineBox *>(control)) {
        box->setText(value);
    } else if (auto *label = qobject_cast<QLabel *>(control)) {
        label->setText(value);
    } else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
        button->setText(value);
    } else {
        Q_ASSERT_X(false, "setText", "control without a text");
    }
}

QString text(const QWidget *control)
{
    if (auto *box = qobject_cast<const QLineEdit *>(control))
        return box->text();
    if (auto *box = qobject_cast<const MultiLineBox *>(control))
        return box->text();
    if (auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    Q_ASSERT_X(false, "text", "control without a text");
    return {};
}

void setWidthInTwips(QWidget *control, int twips)
{
    control->resize(twipsToPixelsX(control, twips), control->height());
}

void setLeftInTwips(QWidget *control, int twips)
{
    control->move(twipsToPixelsX(control, twips), control->y());
}

void uncheck(QCheckBox *box)
{
    const QSignalBlocker noClick(box);
    box->setChecked(false);
}

void giveFocus(QWidget *control)
{
    control->setFocus(Qt::OtherFocusReason);
}

} // namespace virdo
