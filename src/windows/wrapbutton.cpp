#include "windows/wrapbutton.h"

#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace virdo {

void WrapButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    // The contents rect reaches almost to the frame; keep the style's button margin on
    // both sides so that a long caption wraps instead of touching the edges.
    const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this) / 2;
    area.adjust(margin, 0, -margin, 0);
    if (isDown())
        area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    painter.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(), caption,
                         QPalette::ButtonText);
}

void WrapButton::keyPressEvent(QKeyEvent *event)
{
    // Qt lets Return press only a dialog's default button; on the children's desktops it
    // presses the focused button. autoDefault would give that too, but draws the focused
    // button as the default one in some styles.
    const bool entree = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!entree || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QPushButton::keyPressEvent(event);
        return;
    }
    // Held down, the key presses once, as Space does.
    if (!event->isAutoRepeat())
        click();
}

} // namespace virdo
