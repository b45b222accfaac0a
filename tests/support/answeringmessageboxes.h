#pragma once

#include "windows/messageboxes.h"

#include <QString>
#include <QStringList>

#include <functional>

// Shows the game's real modal box, notes its title and prompt, and answers it with OK
// once it is on screen, as a player would.
class AnsweringMessageBoxes : public virdo::MessageBoxes
{
public:
    struct Shown
    {
        QString title;
        QString prompt;
        bool modal;
    };
    QList<Shown> shown;
    // Called while the box is open, before it is answered.
    std::function<void()> whileOpen;

protected:
    void run(QMessageBox &box) override;
};
