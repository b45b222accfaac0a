// The real announcer on Qt 6.4: what a screen reader is given, and that no child sees it.

#include "openwindow.h"

#include "windows/announcer.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>

class TstAnnouncer : public QObject
{
    Q_OBJECT

    // The main window's first question, kept for its opening.
    inline static const QString bonjour = QStringLiteral("Bonjour, comment t'appelles-tu ?");

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

    // What Orca speaks and flashes on a braille display of a notification that shows: the
    // labels on screen inside it, joined as they come, when the notification's own name
    // does not already hold them.
    static QString flashOf(QAccessibleInterface *notification)
    {
        QString flash;
        for (int i = 0; i < notification->childCount(); ++i) {
            QAccessibleInterface *child = notification->child(i);
            if (child->role() == QAccessible::StaticText && !child->state().invisible
                && !notification->text(QAccessible::Name).contains(child->text(QAccessible::Name)))
                flash += child->text(QAccessible::Name);
        }
        return flash;
    }

private slots:
    // A window not yet active keeps the message for its opening: Orca reads a window's
    // description after its title, and nothing else is added to the window.
    void inactiveWindowKeepsTheMessage()
    {
        virdo::VirdoWindow w(m_ressources);
        virdo::Announcer annonces;
        annonces.announce(&w, {bonjour});
        QCOMPARE(w.accessibleDescription(), bonjour);
        QVERIFY(extras(w).isEmpty());
    }

    // As the window becomes active the message is told as any other (and reaches a braille
    // display), and is not also its description; once the child has gone to another window,
    // it is the description again, and coming back tells it again.
    void activationTellsTheKeptMessage()
    {
        virdo::VirdoWindow w(m_ressources);
        virdo::RejouerWindow autre(m_ressources);
        virdo::Announcer annonces;
        annonces.announce(&w, {bonjour});
        for (int fois = 0; fois < 2; ++fois) {
            QVERIFY(showWindow(&w, Show::Active));
            QTRY_COMPARE(extras(w).size(), 1);
            QTRY_VERIFY(extras(w).first()->isVisible());
            QCOMPARE(flashOf(QAccessible::queryAccessibleInterface(extras(w).first())), bonjour);
            QCOMPARE(w.accessibleDescription(), QString());
            extras(w).first()->hide();
            QVERIFY(showWindow(&autre, Show::Active));
            QCOMPARE(w.accessibleDescription(), bonjour);
        }
    }

    // A window opened by the click that told the active window something tells that first,
    // then its own: opening, it takes the braille display from the other at once. Opened by
    // a later click, it tells only its own.
    void windowOpenedByTheSameClick()
    {
        virdo::VirdoWindow w(m_ressources);
        virdo::EurekaWindow eureka(m_ressources);
        virdo::RejouerWindow rejouer(m_ressources);
        QVERIFY(showWindow(&w, Show::Active));
        virdo::Announcer annonces;
        annonces.announce(&w, {QStringLiteral("Total provisoire > 100"), QStringLiteral("Suite ou FIN")});
        annonces.announce(&eureka, {QStringLiteral("Moi, Zoé,\r\nj'ai vaincu l'ordinateur ! ")});
        QCOMPARE(eureka.accessibleDescription(),
                 QStringLiteral("Total provisoire > 100\nSuite ou FIN\nMoi, Zoé,\r\nj'ai vaincu l'ordinateur ! "));
        // The click is over once the event loop has turned.
        QCoreApplication::processEvents();
        annonces.announce(&rejouer, {QStringLiteral("Veux-tu rejouer ?")});
        QCOMPARE(rejouer.accessibleDescription(), QStringLiteral("Veux-tu rejouer ?"));
    }

    // In the active window each message is shown anew as a notification that holds it,
    // one line a text (a text's own CR LF breaks a line too); it takes no focus, no click,
    // and paints nothing.
    void activeWindowShowsANotification_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("flash");
        QTest::newRow("two lines") << QStringList{QStringLiteral("Total provisoire > 12"), QStringLiteral("Zoé, à toi")}
                                   << QStringLiteral("Total provisoire > 12 Zoé, à toi");
        QTest::newRow("then fewer") << QStringList{QStringLiteral("Zoé, à toi de proposer un nombre >")}
                                    << QStringLiteral("Zoé, à toi de proposer un nombre >");
        QTest::newRow("then more, one broken") << QStringList{QStringLiteral("Moi, Zoé,\r\nj'ai vaincu l'ordinateur ! "),
                                                              QStringLiteral("Suite"), QStringLiteral("ou FIN")}
                                               << QStringLiteral("Moi, Zoé, j'ai vaincu l'ordinateur !  Suite ou FIN");
    }
    void activeWindowShowsANotification()
    {
        QFETCH(QStringList, texts);
        QFETCH(QString, flash);
        virdo::VirdoWindow w(m_ressources);
        QVERIFY(showWindow(&w, Show::Active));
        QWidget *focus = QApplication::focusWidget();
        const QImage avant = w.grab().toImage();
        virdo::Announcer annonces;
        // Each row after a longer message: what that one left inside is not read.
        annonces.announce(&w, {QStringLiteral("Zoé"), QStringLiteral("un"), QStringLiteral("deux"), QStringLiteral("trois")});
        // Twice: shown anew, the same message reads the same.
        for (int fois = 0; fois < 2; ++fois) {
            annonces.announce(&w, texts);
            const QList<QWidget *> notes = extras(w);
            QCOMPARE(notes.size(), 1);
            QWidget *note = notes.first();
            QVERIFY(note->isVisible());
            QAccessibleInterface *lu = QAccessible::queryAccessibleInterface(note);
            QVERIFY(lu);
            QCOMPARE(lu->role(), QAccessible::Notification);
            QCOMPARE(flashOf(lu), flash);
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
