#include "answeringmessageboxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

void AnsweringMessageBoxes::run(QMessageBox &box)
{
    QTimer::singleShot(0, &box, [this, &box] {
        shown.append({box.windowTitle(), box.text(), QApplication::activeModalWidget() == &box});
        if (whileOpen)
            whileOpen();
        box.button(QMessageBox::Ok)->click();
    });
    MessageBoxes::run(box);
}
