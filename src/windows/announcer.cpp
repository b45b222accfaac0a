#include "windows/announcer.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace virdo {

namespace {

// The last message of a window, told again each time the window becomes active: a child
// who comes back to the window hears again where the game stands, and a window that opens
// with a message tells it as it comes up. While the window is not active the message is
// also its description, which Orca reads after a window's title; as the window becomes
// active the description goes, so that the message is not said twice, and the message is
// told as any other, which also shows it on a braille display.
class KeptMessage final : public QObject
{
    Q_OBJECT

public:
    KeptMessage(QWidget *window, void (*speak)(QWidget *, const QString &))
        : QObject(window)
        , m_window(window)
        , m_speak(speak)
    {
        window->installEventFilter(this);
    }

    void keep(const QString &message)
    {
        m_message = message;
        m_window->setAccessibleDescription(m_window->isActiveWindow() ? QString() : message);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::WindowActivate) {
            m_window->setAccessibleDescription(QString());
            // Once the screen reader has the window and its focus, or the focus would
            // replace the message on the braille display at once.
            QTimer::singleShot(0, this, [this] {
                if (m_window->isActiveWindow())
                    m_speak(m_window, m_message);
            });
        } else if (event->type() == QEvent::WindowDeactivate) {
            m_window->setAccessibleDescription(m_message);
        }
        return false;
    }

private:
    QWidget *m_window;
    void (*m_speak)(QWidget *, const QString &);
    QString m_message;
};

} // namespace

void Announcer::announce(QWidget *window, const QStringList &texts)
{
    // A line break is a pause in speech and a break between lines on a braille display;
    // the texts themselves are the windows' own.
    const QString message = texts.join(u'\n');
    auto *kept = window->findChild<KeptMessage *>(QString(), Qt::FindDirectChildrenOnly);
    if (!kept)
        kept = new KeptMessage(window, &Announcer::speak);
    kept->keep(message);
    if (window->isActiveWindow())
        speak(window, message);
}

} // namespace virdo

#include "announcer.moc"
