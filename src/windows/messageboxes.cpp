#include "windows/messageboxes.h"

#include "windows/announcer.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace virdo {

void MessageBoxes::show(QWidget *parent, const QString &prompt, const QString &title)
{
    QMessageBox box(QMessageBox::NoIcon, title, prompt, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("Erreur"));
    // The prompt is told as the game's announcements are, once the box has the keyboard,
    // and so also reaches a braille display, where the focused OK would otherwise be all
    // there is. Its label then goes with OK, so that the screen reader does not read it
    // a second time among the box's loose labels.
    if (auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
        label->setBuddy(box.button(QMessageBox::Ok));
    Announcer().announce(&box, {prompt});
    run(box);
}

void MessageBoxes::run(QMessageBox &box)
{
    box.exec();
}

} // namespace virdo
