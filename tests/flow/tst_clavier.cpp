// A whole game as a child plays it who cannot see the screen: with the keys alone, where
// the focus always waits on the next thing to do, and with the accessibility actions that
// switch access and voice control send instead of clicks.

#include "flowtest.h"

#include <QAccessible>
#include <QAccessibleActionInterface>

using namespace flowtest;

namespace {

// Where the focus has been since the last look, by objectName, and what a screen reader
// was told the last control was called as the focus reached it.
class Passages : public QObject
{
public:
    Passages()
    {
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
            if (!now)
                return;
            m_vus << now->objectName();
            QAccessibleInterface *lu = QAccessible::queryAccessibleInterface(now);
            m_nom = lu ? lu->text(QAccessible::Name) : QString();
        });
    }
    QStringList depuis()
    {
        return std::exchange(m_vus, {});
    }
    QString nomALArrivee() const { return m_nom; }

private:
    QStringList m_vus;
    QString m_nom;
};

QWidget *focus()
{
    return QApplication::focusWidget();
}

QString nomDuFocus()
{
    return focus() ? focus()->objectName() : QStringLiteral("<none>");
}

} // namespace

class TstClavier : public QObject
{
    Q_OBJECT

    std::unique_ptr<Rig> rig;

    // A key where the focus is, once the window that should have the keyboard has it (with
    // no window manager nothing gives it back when a message box closes).
    void touche(QWidget *fenetre, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        if (!fenetre->isActiveWindow()) {
            fenetre->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(fenetre));
        }
        QVERIFY(focus());
        QTest::keyClick(focus(), key, mods);
    }

    // The focus went straight to that control, through no other.
    void focusSur(Passages &passages, const char *nom)
    {
        QCOMPARE(nomDuFocus(), QLatin1String(nom));
        const QStringList vus = passages.depuis();
        QVERIFY2(vus.isEmpty() || vus == QStringList{QLatin1String(nom)}, qPrintable(vus.join(u", ")));
    }

    QString action(QWidget *control, const QString &nom)
    {
        QAccessibleInterface *lu = QAccessible::queryAccessibleInterface(control);
        if (!lu || !lu->actionInterface() || !lu->actionInterface()->actionNames().contains(nom))
            return control->objectName() + QStringLiteral(" has no action ") + nom;
        if (!control->isVisible())
            return driver::notOnScreen(control);
        lu->actionInterface()->doAction(nom);
        return {};
    }

private slots:
    void init() { rig = std::make_unique<Rig>(); }
    void cleanup() { verifyNoWindowLeft(rig); }

    // The name and each number sent with Return (or Enter on the keypad), a Space on what
    // has the focus for everything else: no Tab at all, and the focus never passes through
    // another control on its way, above all not through the name box during the computer's
    // move. The victory window answers the same key as FIN.
    void partieAuClavier_data()
    {
        QTest::addColumn<bool>("joueurGagne");
        QTest::addColumn<bool>("pave");
        QTest::addColumn<bool>("suiteSurEureka");
        QTest::newRow("the child starts and wins, Return") << true << false << true;
        QTest::newRow("the computer starts and wins, Enter") << false << true << true;
        QTest::newRow("the child wins, then FIN itself") << true << false << false;
    }
    void partieAuClavier()
    {
        QFETCH(bool, joueurGagne);
        QFETCH(bool, pave);
        QFETCH(bool, suiteSurEureka);
        const Qt::Key entree = pave ? Qt::Key_Enter : Qt::Key_Return;
        const Qt::KeyboardModifiers mods = pave ? Qt::KeypadModifier : Qt::NoModifier;
        DRIVER_STEP(driver::launch(rig->jeu));
        virdo::VirdoWindow *w = &rig->mainWindow();
        Passages passages;
        QCOMPARE(nomDuFocus(), QStringLiteral("ndj"));
        driver::retype(rig->textBox(VirdoControl::ndj), QStringLiteral("Zoé"));
        FLOW_DO(touche(w, entree, mods));
        QVERIFY(rig->control(VirdoControl::Accueil)->isVisible());
        QVERIFY(!rig->control(VirdoControl::Identite)->isVisible());
        QCOMPARE(rig->partie().prenom, QStringLiteral("Zoé"));
        FLOW_DO(focusSur(passages, "Check1"));
        FLOW_DO(touche(w, Qt::Key_Space));
        QVERIFY(rig->control(VirdoControl::Joueur)->isVisible());
        FLOW_DO(focusSur(passages, "Joueur"));
        if (!joueurGagne)
            FLOW_DO(touche(w, Qt::Key_Tab));
        FLOW_DO(focusSur(passages, joueurGagne ? "Joueur" : "Ordinateur"));
        FLOW_DO(touche(w, Qt::Key_Space));
        FLOW_DO(focusSur(passages, joueurGagne ? "nbj" : "Envoi"));
        if (joueurGagne) {
            // Refused, as by a click: the Erreur box, then nbj again, emptied.
            QTest::keyClicks(focus(), QStringLiteral("11"));
            FLOW_DO(touche(w, entree, mods));
            QCOMPARE(rig->messages.shown.size(), 1);
            QCOMPARE(rig->messages.shown.first().prompt, QStringLiteral("Erreur, tu triches ! Respecte les consignes ..."));
            QCOMPARE(rig->textBox(VirdoControl::nbj)->text(), QString());
            FLOW_DO(verifyNbjFocus(*rig));
            passages.depuis();
        }
        for (int coup = 0; coup < 40 && rig->control(VirdoControl::Envoi)->isVisible(); ++coup) {
            if (rig->partie().tour == virdo::Tour::Joueur) {
                QTest::keyClicks(focus(), QString::number(driver::nextPlayerNumber(rig->partie(), joueurGagne)));
                FLOW_DO(touche(w, entree, mods));
                if (!rig->control(VirdoControl::Envoi)->isVisible())
                    break;
                QCOMPARE(rig->partie().tour, virdo::Tour::Ordinateur);
                QCOMPARE(driver::shownText(rig->control(VirdoControl::Envoi)), driver::legendeFaireJouer);
                // Envoi took the focus under its new caption: that is the line a braille
                // display keeps for it.
                QCOMPARE(passages.nomALArrivee(), driver::legendeFaireJouer);
                FLOW_DO(focusSur(passages, "Envoi"));
            } else {
                FLOW_DO(touche(w, Qt::Key_Space));
                if (!rig->control(VirdoControl::Envoi)->isVisible())
                    break;
                QCOMPARE(rig->partie().tour, virdo::Tour::Joueur);
                FLOW_DO(focusSur(passages, "nbj"));
            }
        }
        QVERIFY(rig->control(VirdoControl::FIN)->isVisible());
        QCOMPARE(rig->partie().tour, joueurGagne ? virdo::Tour::Joueur : virdo::Tour::Ordinateur);
        QCOMPARE(w->focusWidget(), rig->control(VirdoControl::FIN));
        virdo::EurekaWindow *eureka = rig->jeu.eureka();
        QVERIFY(eureka && eureka->isVisible());
        if (suiteSurEureka) {
            FLOW_DO(touche(eureka, Qt::Key_Space));
        } else {
            FLOW_DO(touche(w, Qt::Key_Space));
        }
        QVERIFY(rig->jeu.rejouer() && rig->jeu.rejouer()->isVisible());
        QVERIFY(!eureka->isVisible());
        QCOMPARE(rig->jeu.rejouer()->focusWidget(), rig->jeu.rejouer()->control(RejouerControl::OUI));
        DRIVER_STEP(driver::click(*rig->jeu.rejouer(), RejouerControl::NON));
        QCOMPARE(rig->termine.size(), 1);
    }

    // Typed into the victory window's text, Space and Return stay text; held down, the key
    // goes on once.
    void eurekaGardeSonTexte()
    {
        DRIVER_STEP(driver::playGame(rig->jeu, QStringLiteral("Zoé"), true));
        virdo::EurekaWindow *eureka = rig->jeu.eureka();
        QVERIFY(QTest::qWaitForWindowActive(eureka));
        QWidget *cri = eureka->control(EurekaControl::CRI);
        cri->setFocus();
        QTest::keyClick(cri, Qt::Key_Space);
        QTest::keyClick(cri, Qt::Key_Return);
        QVERIFY(eureka->isVisible());
        QVERIFY(!rig->jeu.rejouer());
        eureka->control(EurekaControl::Photo)->setFocus();
        QKeyEvent repetee(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(eureka->focusWidget(), &repetee);
        QVERIFY(eureka->isVisible());
        QTest::keyClick(eureka->focusWidget(), Qt::Key_Return);
        QVERIFY(!eureka->isVisible());
        QVERIFY(rig->jeu.rejouer()->isVisible());
        DRIVER_STEP(driver::click(*rig->jeu.rejouer(), RejouerControl::NON));
    }

    // Switch access and voice control: every button and program box through its own
    // accessibility action, Press or Toggle, runs what its click runs, up to a new game.
    void partieParActions()
    {
        DRIVER_STEP(driver::launch(rig->jeu));
        const QString press = QAccessibleActionInterface::pressAction();
        const QString toggle = QAccessibleActionInterface::toggleAction();
        DRIVER_STEP(driver::typeInto(rig->textBox(VirdoControl::ndj), QStringLiteral("Zoé")));
        DRIVER_STEP(action(rig->control(VirdoControl::Identite), press));
        QTRY_VERIFY(rig->programBox(1)->isVisible());
        DRIVER_STEP(action(rig->programBox(1), toggle));
        QVERIFY(rig->programBox(1)->isChecked());
        QVERIFY(rig->control(VirdoControl::Joueur)->isVisible());
        QCOMPARE(rig->partie().objectif, 100);
        // Toggled again, the box runs the choice again, as a second click does.
        virdo::setText(rig->textBox(VirdoControl::BUT), QString());
        DRIVER_STEP(action(rig->programBox(1), toggle));
        QVERIFY(!rig->programBox(1)->isChecked());
        QCOMPARE(rig->textBox(VirdoControl::BUT)->text(), asShown(100));
        DRIVER_STEP(action(rig->control(VirdoControl::Ordinateur), press));
        QTRY_COMPARE(rig->partie().tour, virdo::Tour::Ordinateur);
        for (int coup = 0; coup < 40 && !rig->control(VirdoControl::FIN)->isVisible(); ++coup) {
            const int avant = rig->partie().total;
            if (rig->partie().tour == virdo::Tour::Joueur)
                DRIVER_STEP(driver::typeInto(rig->textBox(VirdoControl::nbj), QStringLiteral("1")));
            DRIVER_STEP(action(rig->control(VirdoControl::Envoi), press));
            QTRY_VERIFY(rig->partie().total != avant);
        }
        QVERIFY(rig->control(VirdoControl::FIN)->isVisible());
        DRIVER_STEP(action(rig->control(VirdoControl::FIN), press));
        QTRY_VERIFY(rig->jeu.rejouer() && rig->jeu.rejouer()->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        DRIVER_STEP(action(rig->jeu.rejouer()->control(RejouerControl::OUI), press));
        QTRY_VERIFY(rig->jeu.principale());
        QCOMPARE(rig->textBox(VirdoControl::ndj)->text(), QStringLiteral("Zoé"));
        rig->jeu.principale()->close();
    }
};

QTEST_MAIN(TstClavier)
#include "tst_clavier.moc"
