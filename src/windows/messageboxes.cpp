#include "windows/messageboxes.h"

#include <QMessageBox>

namespace virdo {

void MessageBoxes::show(QWidget *parent, const QString &prompt, const QString &title)
{
    QMessageBox box(QMessageBox::NoIcon, title, prompt, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("Erreur"));
    run(box);
}

void MessageBoxes::run(QMessageBox &box)
{
    box.exec();
}

} // namespace virdo
