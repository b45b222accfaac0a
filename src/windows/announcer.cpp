#include "windows/announcer.h"

#include <QWidget>

namespace virdo {

void Announcer::announce(QWidget *window, const QStringList &texts)
{
    // A line break is a pause in speech; the texts themselves are the windows' own.
    const QString message = texts.join(u'\n');
    // Orca reads a window's title and then its description whenever the window becomes
    // active: a child who comes back to the window hears again where the game stands.
    window->setAccessibleDescription(message);
    if (window->isActiveWindow())
        speak(window, message);
}

} // namespace virdo
