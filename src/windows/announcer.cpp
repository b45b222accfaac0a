#include "windows/announcer.h"

#include <QCoreApplication>
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

// What the active window was told in the click under way. A window that the same click
// opens takes the screen reader and the braille display from it at once, before a child
// has read it there: the window that opens tells it first, then its own.
struct ToldInThisClick
{
    QPointer<QWidget> window;
    QString message;
};

ToldInThisClick &toldInThisClick()
{
    static ToldInThisClick told;
    return told;
}

} // namespace

void Announcer::announce(QWidget *window, const QStringList &texts)
{
    // A line break is a pause in speech and a break between lines on a braille display;
    // the texts themselves are the windows' own.
    QString message = texts.join(u'\n');
    ToldInThisClick &told = toldInThisClick();
    const bool active = window->isActiveWindow();
    if (!active && told.window && told.window != window && told.window->isActiveWindow())
        message = told.message + u'\n' + message;
    auto *kept = window->findChild<KeptMessage *>(QString(), Qt::FindDirectChildrenOnly);
    if (!kept)
        kept = new KeptMessage(window, &Announcer::speak);
    kept->keep(message);
    if (active) {
        speak(window, message);
        told = {window, message};
        // The click is over once the event loop runs again.
        QTimer::singleShot(0, qApp, [] { toldInThisClick() = {}; });
    }
}

} // namespace virdo

#include "announcer.moc"
