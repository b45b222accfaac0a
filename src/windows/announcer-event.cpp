// From Qt 6.8 the accessibility layer carries an announcement of its own to the screen reader.

#include "windows/announcer.h"

#include <QAccessible>
#include <QWidget>

namespace virdo {

void Announcer::speak(QWidget *window, const QString &message)
{
    QAccessibleAnnouncementEvent event(window, message);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Assertive);
    QAccessible::updateAccessibility(&event);
}

} // namespace virdo
