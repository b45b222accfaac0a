#pragma once

#include <QString>

class QMessageBox;
class QWidget;

namespace virdo {

// The game's modal message boxes: one OK button, a title and a prompt. Always a real
// QMessageBox; a test overrides run() to see and answer the box it is shown.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;

    // Returns once the player has closed the box.
    void show(QWidget *parent, const QString &prompt, const QString &title);

protected:
    virtual void run(QMessageBox &box);
};

} // namespace virdo
