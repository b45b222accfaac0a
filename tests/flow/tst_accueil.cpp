// The greeting and the program choice, clicked on the real main window.

#include "partiejouee.h"

#include "windows/toolkit.h"

#include <QSignalSpy>
#include <QTextEdit>

using namespace flowtest;

class TstAccueil : public QObject
{
    Q_OBJECT

    std::unique_ptr<Banc> banc;

private slots:
    void init() { banc = std::make_unique<Banc>(); }
    void cleanup() { verifierAucuneFenetre(banc); }

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
        PILOTE(pilote::saluer(banc->jeu, tape));

        QCOMPARE(banc->partie().prenom, prenom);
        QCOMPARE(texteDe(VirdoControl::Accueil), QStringLiteral("Bonjour ") + prenom + pilote::suiteAccueil);
        QCOMPARE(texteDe(VirdoControl::Tirage), prenom + pilote::suiteTirageOffre);
        if (tape.isEmpty()) {
            QVERIFY(texteDe(VirdoControl::Accueil).startsWith(
                    QStringLiteral("Bonjour Joueur  Anonyme, ce programme va te permettre")));
            QVERIFY(texteDe(VirdoControl::Tirage).startsWith(QStringLiteral("Joueur  Anonyme, tu as le choix entre 8 programmes")));
        }
        if (tape == QLatin1String(" "))
            QVERIFY(texteDe(VirdoControl::Accueil).startsWith(QStringLiteral("Bonjour  ,")));

        QVERIFY(!banc->ctl(VirdoControl::Identite)->isVisible());
        for (const char *nom : {"Bonjour", "ndj", "Accueil", "Tirage", "Liste", "Nombre", "BUT"})
            QVERIFY2(banc->ctl(nom)->isVisible(), nom);
        for (int k = 1; k <= 8; ++k) {
            QVERIFY(banc->caseProgramme(k)->isVisible());
            QVERIFY(!banc->caseProgramme(k)->isChecked());
        }
        for (const char *nom : {"Joueur", "Ordinateur", "nj", "nbj", "nombreordinateur", "Envoi", "FIN"})
            QVERIFY2(!banc->ctl(nom)->isVisible(), nom);
        // The record waits for a program.
        QCOMPARE(int(banc->partie().nbmaxi), 0);
        QCOMPARE(int(banc->partie().objectif), 0);
        QCOMPARE(banc->partie().tour, virdo::Tour::Aucun);
        QCOMPARE(banc->boite(VirdoControl::ndj)->text(), tape);
        QCOMPARE(banc->boite(VirdoControl::BUT)->text(), QString());
        QCOMPARE(banc->boite(VirdoControl::Nombre)->text(), QStringLiteral("0"));

        // The name, blanks and all, comes back before the comma once a program is chosen.
        PILOTE(pilote::cliquer(banc->caseProgramme(6)));
        QCOMPARE(texteDe(VirdoControl::Tirage), prenom + pilote::suiteTirageChoix);
    }

    // The name is read once, at the greeting: what is typed in ndj afterwards never shows.
    void nomLuUneSeuleFois()
    {
        PILOTE(pilote::saluer(banc->jeu, QStringLiteral("Marie")));
        PILOTE(pilote::taper(banc->boite(VirdoControl::ndj), QStringLiteral("Paul")));
        PILOTE(pilote::cliquer(banc->caseProgramme(1)));
        QCOMPARE(texteDe(VirdoControl::Tirage), QStringLiteral("Marie") + pilote::suiteTirageChoix);
        PILOTE(pilote::cliquer(banc->ctl(VirdoControl::Joueur)));
        QCOMPARE(banc->boite(VirdoControl::nj)->text(), QStringLiteral("Marie, propose un nombre >"));
        PILOTE(pilote::proposer(banc->jeu, QStringLiteral("4")));
        QCOMPARE(banc->boite(VirdoControl::nj)->text(), QStringLiteral("Marie , c'est à l'ordinateur de jouer ..."));
        PILOTE(pilote::cliquer(banc->ctl(VirdoControl::Envoi)));
        QCOMPARE(banc->boite(VirdoControl::nj)->text(), QStringLiteral("Marie, à toi de proposer un nombre >"));
        QCOMPARE(banc->partie().prenom, QStringLiteral("Marie"));
        QCOMPARE(banc->boite(VirdoControl::ndj)->text(), QStringLiteral("Paul"));
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
        PILOTE(pilote::saluer(banc->jeu, QStringLiteral("Marie")));
        QCOMPARE(banc->son.prepared, 0);

        QList<std::shared_ptr<QSignalSpy>> clics;
        for (int autre = 1; autre <= 8; ++autre)
            clics << std::make_shared<QSignalSpy>(banc->caseProgramme(autre), &QAbstractButton::clicked);
        PILOTE(pilote::cliquer(banc->caseProgramme(k)));

        QCOMPARE(banc->boite(VirdoControl::BUT)->text(), but);
        QCOMPARE(texteDe(VirdoControl::Accueil), pilote::programmeAttendu(k).phrase());
        QCOMPARE(texteDe(VirdoControl::Tirage), QStringLiteral("Marie") + pilote::suiteTirageChoix);
        QVERIFY(banc->ctl(VirdoControl::Joueur)->isVisible());
        QVERIFY(banc->ctl(VirdoControl::Ordinateur)->isVisible());
        for (int autre = 1; autre <= 8; ++autre) {
            QCOMPARE(banc->caseProgramme(autre)->isVisible(), autre == k);
            QCOMPARE(banc->caseProgramme(autre)->isChecked(), autre == k);
            // Only the player's click was a click.
            QCOMPARE(int(clics[autre - 1]->count()), autre == k ? 1 : 0);
        }
        for (const char *nom : {"Bonjour", "ndj", "Accueil", "Tirage", "Liste", "BUT", "Nombre"})
            QVERIFY2(banc->ctl(nom)->isVisible(), nom);
        for (const char *nom : {"Identite", "nj", "nbj", "nombreordinateur", "Envoi", "FIN"})
            QVERIFY2(!banc->ctl(nom)->isVisible(), nom);
        QCOMPARE(banc->boite(VirdoControl::Nombre)->text(), QStringLiteral("0"));
        // A game has begun: the sound of its end gets ready now, silently, and the windows
        // of its end are still made only when first used.
        QVERIFY(banc->son.prepared > 0);
        QVERIFY(banc->son.calls.isEmpty());
        QVERIFY(!banc->jeu.eureka());
        QVERIFY(!banc->jeu.rejouer());

        const virdo::Partie &p = banc->partie();
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
        PILOTE(pilote::saluer(banc->jeu, QStringLiteral("Marie")));
        QCheckBox *cinq = banc->caseProgramme(5);
        {
            const QSignalBlocker silence(cinq);
            cinq->setChecked(true);
        }
        QSignalSpy clicsCinq(cinq, &QAbstractButton::clicked);
        PILOTE(pilote::cliquer(banc->caseProgramme(2)));

        QCOMPARE(int(clicsCinq.count()), 0);
        QVERIFY(!cinq->isChecked());
        QVERIFY(!cinq->isVisible());
        QVERIFY(banc->caseProgramme(2)->isVisible());
        QVERIFY(banc->caseProgramme(2)->isChecked());
        QCOMPARE(int(banc->partie().nbmaxi), 7);
        QCOMPARE(int(banc->partie().objectif), 100);
        QCOMPARE(int(banc->partie().cle), 4);
        QCOMPARE(texteDe(VirdoControl::Accueil), pilote::programmeAttendu(2).phrase());
        QCOMPARE(banc->boite(VirdoControl::BUT)->text(), QStringLiteral(" 100"));
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
        PILOTE(pilote::commencer(banc->jeu, QStringLiteral("Marie"), 1, VirdoControl::Joueur));
        PILOTE(pilote::proposer(banc->jeu, QStringLiteral("7")));  // 7, computer's turn
        if (!tourOrdinateur) {
            PILOTE(pilote::cliquer(banc->ctl(VirdoControl::Envoi)));  // the computer plays 5: 12
            QCOMPARE(int(banc->partie().total), 12);
        }
        // The player scribbles in the boxes the set-up fills.
        PILOTE(pilote::taper(banc->boite(VirdoControl::BUT), QStringLiteral("xyz")));
        QTest::keyClicks(banc->ctl(VirdoControl::Accueil), QStringLiteral("griffonnage"));
        QVERIFY(texteDe(VirdoControl::Accueil).contains(QStringLiteral("griffonnage")));

        const QStringList noms = {"nj", "nbj", "nombreordinateur", "Envoi", "Nombre", "FIN"};
        QStringList textes;
        QList<bool> montres;
        for (const QString &nom : noms) {
            textes << pilote::texte(banc->ctl(nom));
            montres << banc->ctl(nom)->isVisible();
        }
        const virdo::Tour tour = banc->partie().tour;
        const int nombrejoue = banc->partie().nombrejoue;

        PILOTE(pilote::cliquer(banc->caseProgramme(1)));

        QVERIFY(!banc->caseProgramme(1)->isChecked());
        QVERIFY(banc->caseProgramme(1)->isVisible());
        for (int autre = 2; autre <= 8; ++autre)
            QVERIFY(!banc->caseProgramme(autre)->isVisible());
        QCOMPARE(int(banc->partie().total), 0);
        QCOMPARE(int(banc->partie().nbmaxi), 10);
        QCOMPARE(int(banc->partie().objectif), 100);
        QCOMPARE(int(banc->partie().cle), 1);
        QCOMPARE(banc->partie().tour, tour);
        QCOMPARE(int(banc->partie().nombrejoue), nombrejoue);
        QCOMPARE(banc->boite(VirdoControl::BUT)->text(), QStringLiteral(" 100"));
        QCOMPARE(texteDe(VirdoControl::Accueil), pilote::programmeAttendu(1).phrase());
        QCOMPARE(texteDe(VirdoControl::Tirage), QStringLiteral("Marie") + pilote::suiteTirageChoix);
        QVERIFY(banc->ctl(VirdoControl::Joueur)->isVisible());
        QVERIFY(banc->ctl(VirdoControl::Ordinateur)->isVisible());
        for (int i = 0; i < noms.size(); ++i) {
            const QByteArray nom = noms[i].toLatin1();
            QCOMPARE(pilote::texte(banc->ctl(QString::fromLatin1(nom))), textes[i]);
            QCOMPARE(banc->ctl(QString::fromLatin1(nom))->isVisible(), montres[i]);
        }
        // Nombre still shows the old total.
        QCOMPARE(banc->boite(VirdoControl::Nombre)->text(), tourOrdinateur ? QStringLiteral(" 7") : QStringLiteral(" 12"));

        // Without choosing again, the next move counts from 0.
        if (tourOrdinateur) {
            PILOTE(pilote::cliquer(banc->ctl(VirdoControl::Envoi)));
            QCOMPARE(int(banc->partie().nombrejoue), 1); // onto the first key total
            QCOMPARE(int(banc->partie().total), 1);
            QCOMPARE(banc->boite(VirdoControl::Nombre)->text(), QStringLiteral(" 1"));
        } else {
            PILOTE(pilote::proposer(banc->jeu, QStringLiteral("3")));
            QCOMPARE(int(banc->partie().total), 3);
            QCOMPARE(banc->boite(VirdoControl::Nombre)->text(), QStringLiteral(" 3"));
        }
        QVERIFY(banc->messages.shown.isEmpty());
    }

private:
    QString texteDe(VirdoControl nom) { return pilote::texte(banc->ctl(nom)); }
};

QTEST_MAIN(TstAccueil)
#include "tst_accueil.moc"
