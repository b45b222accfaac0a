#include "windows/toolkit.h"

#include "windows/twips.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSignalBlocker>

namespace virdo {

void setText(QLineEdit *box, const QString &value)
{
    box->setText(value);
    box->setCursorPosition(0);
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
