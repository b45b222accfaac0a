#include "windows/wrapbutton.h"

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

} // namespace virdo
