// The greeting and the program choice, clicked on the real main window.

#include "flowtest.h"

#include "windows/toolkit.h"

#include <QSignalSpy>
#include <QTextEdit>

using namespace flowtest;

class TstAccueil : public QObject
{
    Q_OBJECT

    std::unique_ptr<Rig> rig;

private slots:
    void init() { rig = std::make_unique<Rig>(); }
    void cleanup() { verifyNoWindowLeft(rig); }

    void salutation_data()
    {
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("prenom");
        QTest::newRow("nom") << QStringLiteral("Marie") << QStringLiteral("Marie");
        QTest::newRow("vide") << QString() << QStringLiteral("Joueur  Anonyme");
        QTest::newRow("un blanc") << QStringLiteral(" ") << QStringLiteral(" ");
        QTest::newRow("blancs finaux") << QStringLiteral("Léa  ") << QStringLiteral("Léa  ");
        QTest::newRow("accents et casse") << QStringLiteral("éLOÏse") << QStringLiteral("éLOÏse");
    }
    // Identite keeps the name as typed (empty: "Joueur  Anonyme"), greets with it and offers the eight clear boxes.
    void salutation()
    {
        QFETCH(QString, tape);
        QFETCH(QString, prenom);
        DRIVER_STEP(driver::greet(rig->jeu, tape));

        QCOMPARE(rig->partie().prenom, prenom);
        QCOMPARE(texteDe(VirdoControl::Accueil), QStringLiteral("Bonjour ") + prenom + driver::suiteAccueil);
        QCOMPARE(texteDe(VirdoControl::Tirage), prenom + driver::suiteTirageOffre);
        if (tape.isEmpty()) {
            QVERIFY(texteDe(VirdoControl::Accueil).startsWith(
                    QStringLiteral("Bonjour Joueur  Anonyme, ce programme va te permettre")));
            QVERIFY(texteDe(VirdoControl::Tirage).startsWith(QStringLiteral("Joueur  Anonyme, tu as le choix entre 8 programmes")));
        }
        if (tape == QLatin1String(" "))
            QVERIFY(texteDe(VirdoControl::Accueil).startsWith(QStringLiteral("Bonjour  ,")));

        QVERIFY(!rig->control(VirdoControl::Identite)->isVisible());
        for (const char *nom : {"Bonjour", "ndj", "Accueil", "Tirage", "Liste", "Nombre", "BUT"})
            QVERIFY2(rig->control(nom)->isVisible(), nom);
        for (int k = 1; k <= 8; ++k) {
            QVERIFY(rig->programBox(k)->isVisible());
            QVERIFY(!rig->programBox(k)->isChecked());
        }
        for (const char *nom : {"Joueur", "Ordinateur", "nj", "nbj", "nombreordinateur", "Envoi", "FIN"})
            QVERIFY2(!rig->control(nom)->isVisible(), nom);
        // The record waits for a program.
        QCOMPARE(int(rig->partie().nbmaxi), 0);
        QCOMPARE(int(rig->partie().objectif), 0);
        QCOMPARE(rig->partie().tour, virdo::Tour::Aucun);
        QCOMPARE(rig->textBox(VirdoControl::ndj)->text(), tape);
        QCOMPARE(rig->textBox(VirdoControl::BUT)->text(), QString());
        QCOMPARE(rig->textBox(VirdoControl::Nombre)->text(), QStringLiteral("0"));

        // The name, blanks and all, comes back before the comma once a program is chosen.
        DRIVER_STEP(driver::click(rig->programBox(6)));
        QCOMPARE(texteDe(VirdoControl::Tirage), prenom + driver::suiteTirageChoix);
    }

    // The name is read once, at the greeting: what is typed in ndj afterwards never shows.
    void nomLuUneSeuleFois()
    {
        DRIVER_STEP(driver::greet(rig->jeu, QStringLiteral("Marie")));
        DRIVER_STEP(driver::typeInto(rig->textBox(VirdoControl::ndj), QStringLiteral("Paul")));
        DRIVER_STEP(driver::click(rig->programBox(1)));
        QCOMPARE(texteDe(VirdoControl::Tirage), QStringLiteral("Marie") + driver::suiteTirageChoix);
        DRIVER_STEP(driver::click(rig->control(VirdoControl::Joueur)));
        QCOMPARE(rig->textBox(VirdoControl::nj)->text(), QStringLiteral("Marie, propose un nombre >"));
        DRIVER_STEP(driver::playNumber(rig->jeu, QStringLiteral("4")));
        QCOMPARE(rig->textBox(VirdoControl::nj)->text(), QStringLiteral("Marie , c'est à l'ordinateur de jouer ..."));
        DRIVER_STEP(driver::click(rig->control(VirdoControl::Envoi)));
        QCOMPARE(rig->textBox(VirdoControl::nj)->text(), QStringLiteral("Marie, à toi de proposer un nombre >"));
        QCOMPARE(rig->partie().prenom, QStringLiteral("Marie"));
        QCOMPARE(rig->textBox(VirdoControl::ndj)->text(), QStringLiteral("Paul"));
    }

    void choixProgramme_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("but");
        QTest::addColumn<int>("nbmaxi");
        QTest::addColumn<int>("objectif");
        QTest::addColumn<int>("cle");
        QTest::newRow("Check1") << 1 << QStringLiteral(" 100") << 10 << 100 << 1;
        QTest::newRow("Check2") << 2 << QStringLiteral(" 100") << 7 << 100 << 4;
        QTest::newRow("Check3") << 3 << QStringLiteral(" 100") << 15 << 100 << 4;
        QTest::newRow("Check4") << 4 << QStringLiteral(" 100") << 5 << 100 << 4;
        QTest::newRow("Check5") << 5 << QStringLiteral(" 500") << 33 << 500 << 24;
        QTest::newRow("Check6") << 6 << QStringLiteral(" 200") << 20 << 200 << 11;
        QTest::newRow("Check7") << 7 << QStringLiteral(" 1000") << 50 << 1000 << 31;
        QTest::newRow("Check8") << 8 << QStringLiteral(" 1000") << 100 << 1000 << 91;
    }
    // Ticking box k loads program k, shows its target, rules and the first-player choice, box k alone and ticked.
    void choixProgramme()
    {
        QFETCH(int, k);
        QFETCH(QString, but);
        QFETCH(int, nbmaxi);
        QFETCH(int, objectif);
        QFETCH(int, cle);
        DRIVER_STEP(driver::greet(rig->jeu, QStringLiteral("Marie")));
        QCOMPARE(rig->son.prepared, 0);

        QList<std::shared_ptr<QSignalSpy>> clics;
        for (int autre = 1; autre <= 8; ++autre)
            clics << std::make_shared<QSignalSpy>(rig->programBox(autre), &QAbstractButton::clicked);
        DRIVER_STEP(driver::click(rig->programBox(k)));

        QCOMPARE(rig->textBox(VirdoControl::BUT)->text(), but);
        QCOMPARE(texteDe(VirdoControl::Accueil), driver::programmeAttendu(k).phrase());
        QCOMPARE(texteDe(VirdoControl::Tirage), QStringLiteral("Marie") + driver::suiteTirageChoix);
        QVERIFY(rig->control(VirdoControl::Joueur)->isVisible());
        QVERIFY(rig->control(VirdoControl::Ordinateur)->isVisible());
        for (int autre = 1; autre <= 8; ++autre) {
            QCOMPARE(rig->programBox(autre)->isVisible(), autre == k);
            QCOMPARE(rig->programBox(autre)->isChecked(), autre == k);
            // Only the player's click was a click.
            QCOMPARE(int(clics[autre - 1]->count()), autre == k ? 1 : 0);
        }
        for (const char *nom : {"Bonjour", "ndj", "Accueil", "Tirage", "Liste", "BUT", "Nombre"})
            QVERIFY2(rig->control(nom)->isVisible(), nom);
        for (const char *nom : {"Identite", "nj", "nbj", "nombreordinateur", "Envoi", "FIN"})
            QVERIFY2(!rig->control(nom)->isVisible(), nom);
        QCOMPARE(rig->textBox(VirdoControl::Nombre)->text(), QStringLiteral("0"));
        // A game has begun: the sound of its end gets ready now, silently, and the windows
        // of its end are still made only when first used.
        QVERIFY(rig->son.prepared > 0);
        QVERIFY(rig->son.calls.isEmpty());
        QVERIFY(!rig->jeu.eureka());
        QVERIFY(!rig->jeu.rejouer());

        const virdo::Partie &p = rig->partie();
        QCOMPARE(int(p.nbmini), 1);
        QCOMPARE(int(p.nbmaxi), nbmaxi);
        QCOMPARE(int(p.objectif), objectif);
        QCOMPARE(int(p.cle), cle);
        QCOMPARE(int(p.total), 0);
        QCOMPARE(int(p.nombrejoue), 0);
        QCOMPARE(p.tour, virdo::Tour::Aucun);
        QCOMPARE(p.prenom, QStringLiteral("Marie"));
    }

    // Clearing the other boxes is no click of theirs: even a ticked one goes without loading its program.
    void decocherNestPasCliquer()
    {
        DRIVER_STEP(driver::greet(rig->jeu, QStringLiteral("Marie")));
        QCheckBox *cinq = rig->programBox(5);
        {
            const QSignalBlocker silence(cinq);
            cinq->setChecked(true);
        }
        QSignalSpy clicsCinq(cinq, &QAbstractButton::clicked);
        DRIVER_STEP(driver::click(rig->programBox(2)));

        QCOMPARE(int(clicsCinq.count()), 0);
        QVERIFY(!cinq->isChecked());
        QVERIFY(!cinq->isVisible());
        QVERIFY(rig->programBox(2)->isVisible());
        QVERIFY(rig->programBox(2)->isChecked());
        QCOMPARE(int(rig->partie().nbmaxi), 7);
        QCOMPARE(int(rig->partie().objectif), 100);
        QCOMPARE(int(rig->partie().cle), 4);
        QCOMPARE(texteDe(VirdoControl::Accueil), driver::programmeAttendu(2).phrase());
        QCOMPARE(rig->textBox(VirdoControl::BUT)->text(), QStringLiteral(" 100"));
    }

    void recocherEnCoursDePartie_data()
    {
        QTest::addColumn<bool>("tourOrdinateur");
        QTest::newRow("au tour du joueur") << false;
        QTest::newRow("au tour de l'ordinateur") << true;
    }
    // Re-clicking the chosen box mid-game reloads its program from total 0 and leaves the game's controls alone.
    void recocherEnCoursDePartie()
    {
        QFETCH(bool, tourOrdinateur);
        DRIVER_STEP(driver::startGame(rig->jeu, QStringLiteral("Marie"), 1, VirdoControl::Joueur));
        DRIVER_STEP(driver::playNumber(rig->jeu, QStringLiteral("7")));  // 7, computer's turn
        if (!tourOrdinateur) {
            DRIVER_STEP(driver::click(rig->control(VirdoControl::Envoi)));  // the computer plays 5: 12
            QCOMPARE(int(rig->partie().total), 12);
        }
        // The player scribbles in the boxes the set-up fills.
        DRIVER_STEP(driver::typeInto(rig->textBox(VirdoControl::BUT), QStringLiteral("xyz")));
        QTest::keyClicks(rig->control(VirdoControl::Accueil), QStringLiteral("griffonnage"));
        QVERIFY(texteDe(VirdoControl::Accueil).contains(QStringLiteral("griffonnage")));

        const QStringList noms = {"nj", "nbj", "nombreordinateur", "Envoi", "Nombre", "FIN"};
        QStringList textes;
        QList<bool> montres;
        for (const QString &nom : noms) {
            textes << driver::shownText(rig->control(nom));
            montres << rig->control(nom)->isVisible();
        }
        const virdo::Tour tour = rig->partie().tour;
        const int nombrejoue = rig->partie().nombrejoue;

        DRIVER_STEP(driver::click(rig->programBox(1)));

        QVERIFY(!rig->programBox(1)->isChecked());
        QVERIFY(rig->programBox(1)->isVisible());
        for (int autre = 2; autre <= 8; ++autre)
            QVERIFY(!rig->programBox(autre)->isVisible());
        QCOMPARE(int(rig->partie().total), 0);
        QCOMPARE(int(rig->partie().nbmaxi), 10);
        QCOMPARE(int(rig->partie().objectif), 100);
        QCOMPARE(int(rig->partie().cle), 1);
        QCOMPARE(rig->partie().tour, tour);
        QCOMPARE(int(rig->partie().nombrejoue), nombrejoue);
        QCOMPARE(rig->textBox(VirdoControl::BUT)->text(), QStringLiteral(" 100"));
        QCOMPARE(texteDe(VirdoControl::Accueil), driver::programmeAttendu(1).phrase());
        QCOMPARE(texteDe(VirdoControl::Tirage), QStringLiteral("Marie") + driver::suiteTirageChoix);
        QVERIFY(rig->control(VirdoControl::Joueur)->isVisible());
        QVERIFY(rig->control(VirdoControl::Ordinateur)->isVisible());
        for (int i = 0; i < noms.size(); ++i) {
            const QByteArray nom = noms[i].toLatin1();
            QCOMPARE(driver::shownText(rig->control(QString::fromLatin1(nom))), textes[i]);
            QCOMPARE(rig->control(QString::fromLatin1(nom))->isVisible(), montres[i]);
        }
        // Nombre still shows the old total.
        QCOMPARE(rig->textBox(VirdoControl::Nombre)->text(), tourOrdinateur ? QStringLiteral(" 7") : QStringLiteral(" 12"));

        // Without choosing again, the next move counts from 0.
        if (tourOrdinateur) {
            DRIVER_STEP(driver::click(rig->control(VirdoControl::Envoi)));
            QCOMPARE(int(rig->partie().nombrejoue), 1); // onto the first key total
            QCOMPARE(int(rig->partie().total), 1);
            QCOMPARE(rig->textBox(VirdoControl::Nombre)->text(), QStringLiteral(" 1"));
        } else {
            DRIVER_STEP(driver::playNumber(rig->jeu, QStringLiteral("3")));
            QCOMPARE(int(rig->partie().total), 3);
            QCOMPARE(rig->textBox(VirdoControl::Nombre)->text(), QStringLiteral(" 3"));
        }
        QVERIFY(rig->messages.shown.isEmpty());
    }

private:
    QString texteDe(VirdoControl nom) { return driver::shownText(rig->control(nom)); }
};

QTEST_MAIN(TstAccueil)
#include "tst_accueil.moc"
