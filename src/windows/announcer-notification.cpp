// Qt before 6.8 has no announcement of its own, and Orca speaks a changed text only in the
// control that has the focus. What it does speak each time, focus or not, is an object of
// the role "notification" that shows: the window keeps one, invisible, and shows it anew
// for each message. Orca speaks the labels inside a notification and flashes them on a
// braille display, joined as they come: the notification holds one label a line, each but
// the last ending in a blank, and has no name of its own, which Orca would speak as well
// and which would hide from its braille every label it contains.

#include "windows/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
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

    // One label a line, in order; the labels of a longer message before stay, hidden.
    void setLines(const QStringList &lines)
    {
        const QList<QLabel *> labels = findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly);
        for (qsizetype i = 0; i < qMax(lines.size(), labels.size()); ++i) {
            QLabel *label = i < labels.size() ? labels[i] : new Line(this);
            if (i >= lines.size()) {
                label->hide();
                continue;
            }
            // A text's own line break (CR LF) is a break between two lines here too.
            const QString line = QString(lines[i]).remove(u'\r');
            label->setText(line);
            label->setAccessibleName(i + 1 < lines.size() ? line + u' ' : line);
            label->show();
        }
    }

private:
    // A label of the message: Qt presents it as a label, and it paints nothing.
    class Line final : public QLabel
    {
    public:
        explicit Line(QWidget *parent)
            : QLabel(parent)
        {
            setTextFormat(Qt::PlainText);
            setAttribute(Qt::WA_TransparentForMouseEvents);
            setGeometry(0, 0, 1, 1);
        }

    protected:
        void paintEvent(QPaintEvent *) override {}
    };
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
    notification->setLines(message.split(u'\n'));
    notification->show();
}

} // namespace virdo

#include "announcer-notification.moc"
