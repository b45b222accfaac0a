// The real announcer on Qt 6.4: what a screen reader is given, and that no child sees it.

#include "pilote.h"

#include "windows/announcer.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>

class TstAnnouncer : public QObject
{
    Q_OBJECT

    // The window's own children that are not its table's controls.
    static QList<QWidget *> extras(virdo::VirdoWindow &w)
    {
        QList<QWidget *> found;
        for (QWidget *c : w.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (c->objectName() == QLatin1String("annonce"))
                found << c;
        }
        return found;
    }

private slots:
    // A window not yet active keeps the message for its opening: Orca reads a window's
    // description after its title, and nothing else is added to the window.
    void inactiveWindowKeepsTheMessage()
    {
        virdo::VirdoWindow w(m_ressources);
        virdo::Announcer annonces;
        annonces.announce(&w, {QStringLiteral("Bonjour, comment t'appelles-tu ?")});
        QCOMPARE(w.accessibleDescription(), QStringLiteral("Bonjour, comment t'appelles-tu ?"));
        QVERIFY(extras(w).isEmpty());
    }

    // In the active window each message is shown anew as a notification named by it,
    // one line a text; it takes no focus, no click, and paints nothing.
    void activeWindowShowsANotification()
    {
        virdo::VirdoWindow w(m_ressources);
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QWidget *focus = QApplication::focusWidget();
        const QImage avant = w.grab().toImage();
        virdo::Announcer annonces;
        for (const QString &total : {QStringLiteral(" 12"), QStringLiteral(" 23")}) {
            annonces.announce(&w, {QStringLiteral("Total provisoire >") + total, QStringLiteral("Zoé, à toi")});
            const QList<QWidget *> notes = extras(w);
            QCOMPARE(notes.size(), 1);
            QWidget *note = notes.first();
            QVERIFY(note->isVisible());
            QAccessibleInterface *lu = QAccessible::queryAccessibleInterface(note);
            QVERIFY(lu);
            QCOMPARE(lu->role(), QAccessible::Notification);
            QCOMPARE(lu->text(QAccessible::Name), QStringLiteral("Total provisoire >%1\nZoé, à toi").arg(total));
            QCOMPARE(note->focusPolicy(), Qt::NoFocus);
            QVERIFY(note->testAttribute(Qt::WA_TransparentForMouseEvents));
        }
        QCOMPARE(QApplication::focusWidget(), focus);
        QCOMPARE(w.grab().toImage(), avant);
    }

private:
    // Shared by the windows a test builds, as the game shares its own.
    virdo::WindowResources m_ressources;
};

QTEST_MAIN(TstAnnouncer)
#include "tst_announcer.moc"
