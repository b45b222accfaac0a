// A whole game as a child plays it who cannot see the screen: with the keys alone, where
// the focus always waits on the next thing to do, and with the accessibility actions that
// switch access and voice control send instead of clicks.

#include "partiejouee.h"

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

    std::unique_ptr<Banc> banc;

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
            return pilote::absent(control);
        lu->actionInterface()->doAction(nom);
        return {};
    }

private slots:
    void init() { banc = std::make_unique<Banc>(); }
    void cleanup() { verifierAucuneFenetre(banc); }

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
        PILOTE(pilote::demarrer(banc->jeu));
        virdo::VirdoWindow *w = &banc->fenetre();
        Passages passages;
        QCOMPARE(nomDuFocus(), QStringLiteral("ndj"));
        pilote::frappe(banc->boite(VirdoControl::ndj), QStringLiteral("Zoé"));
        FLOW_DO(touche(w, entree, mods));
        QVERIFY(banc->ctl(VirdoControl::Accueil)->isVisible());
        QVERIFY(!banc->ctl(VirdoControl::Identite)->isVisible());
        QCOMPARE(banc->partie().prenom, QStringLiteral("Zoé"));
        FLOW_DO(focusSur(passages, "Check1"));
        FLOW_DO(touche(w, Qt::Key_Space));
        QVERIFY(banc->ctl(VirdoControl::Joueur)->isVisible());
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
            QCOMPARE(banc->messages.shown.size(), 1);
            QCOMPARE(banc->messages.shown.first().prompt, QStringLiteral("Erreur, tu triches ! Respecte les consignes ..."));
            QCOMPARE(banc->boite(VirdoControl::nbj)->text(), QString());
            FLOW_DO(verifierFocusNbj(*banc));
            passages.depuis();
        }
        for (int coup = 0; coup < 40 && banc->ctl(VirdoControl::Envoi)->isVisible(); ++coup) {
            if (banc->partie().tour == virdo::Tour::Joueur) {
                QTest::keyClicks(focus(), QString::number(pilote::nombreDuJoueur(banc->partie(), joueurGagne)));
                FLOW_DO(touche(w, entree, mods));
                if (!banc->ctl(VirdoControl::Envoi)->isVisible())
                    break;
                QCOMPARE(banc->partie().tour, virdo::Tour::Ordinateur);
                QCOMPARE(pilote::texte(banc->ctl(VirdoControl::Envoi)), pilote::legendeFaireJouer);
                // Envoi took the focus under its new caption: that is the line a braille
                // display keeps for it.
                QCOMPARE(passages.nomALArrivee(), pilote::legendeFaireJouer);
                FLOW_DO(focusSur(passages, "Envoi"));
            } else {
                FLOW_DO(touche(w, Qt::Key_Space));
                if (!banc->ctl(VirdoControl::Envoi)->isVisible())
                    break;
                QCOMPARE(banc->partie().tour, virdo::Tour::Joueur);
                FLOW_DO(focusSur(passages, "nbj"));
            }
        }
        QVERIFY(banc->ctl(VirdoControl::FIN)->isVisible());
        QCOMPARE(banc->partie().tour, joueurGagne ? virdo::Tour::Joueur : virdo::Tour::Ordinateur);
        QCOMPARE(w->focusWidget(), banc->ctl(VirdoControl::FIN));
        virdo::EurekaWindow *eureka = banc->jeu.eureka();
        QVERIFY(eureka && eureka->isVisible());
        if (suiteSurEureka) {
            FLOW_DO(touche(eureka, Qt::Key_Space));
        } else {
            FLOW_DO(touche(w, Qt::Key_Space));
        }
        QVERIFY(banc->jeu.rejouer() && banc->jeu.rejouer()->isVisible());
        QVERIFY(!eureka->isVisible());
        QCOMPARE(banc->jeu.rejouer()->focusWidget(), banc->jeu.rejouer()->control(RejouerControl::OUI));
        PILOTE(pilote::cliquer(*banc->jeu.rejouer(), RejouerControl::NON));
        QCOMPARE(banc->termine.size(), 1);
    }

    // Typed into the victory window's text, Space and Return stay text; held down, the key
    // goes on once.
    void eurekaGardeSonTexte()
    {
        PILOTE(pilote::jouerPartie(banc->jeu, QStringLiteral("Zoé"), true));
        virdo::EurekaWindow *eureka = banc->jeu.eureka();
        QVERIFY(QTest::qWaitForWindowActive(eureka));
        QWidget *cri = eureka->control(EurekaControl::CRI);
        cri->setFocus();
        QTest::keyClick(cri, Qt::Key_Space);
        QTest::keyClick(cri, Qt::Key_Return);
        QVERIFY(eureka->isVisible());
        QVERIFY(!banc->jeu.rejouer());
        eureka->control(EurekaControl::Photo)->setFocus();
        QKeyEvent repetee(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(eureka->focusWidget(), &repetee);
        QVERIFY(eureka->isVisible());
        QTest::keyClick(eureka->focusWidget(), Qt::Key_Return);
        QVERIFY(!eureka->isVisible());
        QVERIFY(banc->jeu.rejouer()->isVisible());
        PILOTE(pilote::cliquer(*banc->jeu.rejouer(), RejouerControl::NON));
    }

    // Switch access and voice control: every button and program box through its own
    // accessibility action, Press or Toggle, runs what its click runs, up to a new game.
    void partieParActions()
    {
        PILOTE(pilote::demarrer(banc->jeu));
        const QString press = QAccessibleActionInterface::pressAction();
        const QString toggle = QAccessibleActionInterface::toggleAction();
        PILOTE(pilote::taper(banc->boite(VirdoControl::ndj), QStringLiteral("Zoé")));
        PILOTE(action(banc->ctl(VirdoControl::Identite), press));
        QTRY_VERIFY(banc->caseProgramme(1)->isVisible());
        PILOTE(action(banc->caseProgramme(1), toggle));
        QVERIFY(banc->caseProgramme(1)->isChecked());
        QVERIFY(banc->ctl(VirdoControl::Joueur)->isVisible());
        QCOMPARE(banc->partie().objectif, 100);
        // Toggled again, the box runs the choice again, as a second click does.
        virdo::setText(banc->boite(VirdoControl::BUT), QString());
        PILOTE(action(banc->caseProgramme(1), toggle));
        QVERIFY(!banc->caseProgramme(1)->isChecked());
        QCOMPARE(banc->boite(VirdoControl::BUT)->text(), affiche(100));
        PILOTE(action(banc->ctl(VirdoControl::Ordinateur), press));
        QTRY_COMPARE(banc->partie().tour, virdo::Tour::Ordinateur);
        for (int coup = 0; coup < 40 && !banc->ctl(VirdoControl::FIN)->isVisible(); ++coup) {
            const int avant = banc->partie().total;
            if (banc->partie().tour == virdo::Tour::Joueur)
                PILOTE(pilote::taper(banc->boite(VirdoControl::nbj), QStringLiteral("1")));
            PILOTE(action(banc->ctl(VirdoControl::Envoi), press));
            QTRY_VERIFY(banc->partie().total != avant);
        }
        QVERIFY(banc->ctl(VirdoControl::FIN)->isVisible());
        PILOTE(action(banc->ctl(VirdoControl::FIN), press));
        QTRY_VERIFY(banc->jeu.rejouer() && banc->jeu.rejouer()->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        PILOTE(action(banc->jeu.rejouer()->control(RejouerControl::OUI), press));
        QTRY_VERIFY(banc->jeu.principale());
        QCOMPARE(banc->boite(VirdoControl::ndj)->text(), QStringLiteral("Zoé"));
        banc->jeu.principale()->close();
    }
};

QTEST_MAIN(TstClavier)
#include "tst_clavier.moc"
