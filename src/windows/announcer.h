#pragma once

#include <QStringList>

class QWidget;

namespace virdo {

// What the game tells a screen reader beside what its windows show: a child who cannot
// see the screen hears each change as the texts the windows now show. Always the real
// thing; a test overrides announce() to see what would be heard.
class Announcer
{
public:
    virtual ~Announcer() = default;

    // One change of the window, told as the texts it shows, in the order a listener needs
    // them, the one that asks the child to act last: a later announcement cuts this one off.
    // Spoken, and shown on a braille display, one line a text. A window that is not the
    // active one keeps the message, and the screen reader tells it after the window's title
    // when the window becomes active (or shows for the first time); so does a window the
    // child comes back to.
    virtual void announce(QWidget *window, const QStringList &texts);
    // Who won: told as any change is, and marked so that the game's own voice says it whole.
    virtual void announceVictory(QWidget *window, const QStringList &texts) { announce(window, texts); }

private:
    // Told at once in the active window; how depends on the Qt the game is built with.
    static void speak(QWidget *window, const QString &message);
};

} // namespace virdo
