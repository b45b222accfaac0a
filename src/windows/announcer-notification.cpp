// Qt before 6.8 has no announcement of its own, and Orca speaks a changed text only in the
// control that has the focus. What it does speak each time, focus or not, is an object of
// the role "notification" that shows: the window keeps one, invisible, and shows it anew
// for each message.

#include "windows/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace virdo {

namespace {

// Paints nothing, takes no click and no focus: only a screen reader knows it is there.
class NotificationWidget final : public QWidget
{
    Q_OBJECT

public:
    explicit NotificationWidget(QWidget *window)
        : QWidget(window)
    {
        setObjectName(QStringLiteral("annonce"));
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, 1, 1);
        lower();
    }
};

QAccessibleInterface *notificationAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String(NotificationWidget::staticMetaObject.className()) && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

void Announcer::speak(QWidget *window, const QString &message)
{
    // Installing the same factory again is a no-op.
    QAccessible::installFactory(notificationAccessible);
    auto *notification = window->findChild<NotificationWidget *>(QString(), Qt::FindDirectChildrenOnly);
    if (!notification)
        notification = new NotificationWidget(window);
    notification->hide();
    notification->setAccessibleName(message);
    notification->show();
}

} // namespace virdo

#include "announcer-notification.moc"
