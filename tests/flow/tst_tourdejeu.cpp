// The turn cycle driven by Envoi, clicked on the real main window, up to the end of a game.

#include "flowtest.h"

#include "windows/toolkit.h"

#include <set>

using namespace flowtest;

namespace {

enum class Etat {
    TourJoueur,
    TourOrdinateur,
    JoueurGagne,
    OrdinateurGagne,
};

const QString aJoue = QStringLiteral("Moi, l'ordinateur, j'ai joué:");
const QString refusVide = QStringLiteral("Tu n'as tapé aucun nombre ! Respecte les consignes ...");
const QString refusTriche = QStringLiteral("Erreur, tu triches ! Respecte les consignes ...");
constexpr int nonVerifie = -99999;

void programmes()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("nbmaxi");
    QTest::addColumn<int>("objectif");
    QTest::addColumn<int>("cle");
    QTest::addColumn<QString>("tape");
    QTest::addColumn<QString>("prenom");
    const QString noms[] = {QStringLiteral("Marie"), QString(), QStringLiteral("Tom ")};
    const QString prenoms[] = {QStringLiteral("Marie"), QStringLiteral("Joueur  Anonyme"), QStringLiteral("Tom ")};
    for (int k = 1; k <= 8; ++k) {
        const auto &l = driver::programmeAttendu(k);
        const int n = (k - 1) % 3;
        QTest::addRow("programme %d", k) << k << l.nbmaxi << l.objectif << l.cle << noms[n] << prenoms[n];
    }
}

struct ProgrammeRow
{
    int k, nbmaxi, objectif, cle;
    QString tape, prenom;
};

// The current row of programmes().
ProgrammeRow programmeRow()
{
    QFETCH(int, k);
    QFETCH(int, nbmaxi);
    QFETCH(int, objectif);
    QFETCH(int, cle);
    QFETCH(QString, tape);
    QFETCH(QString, prenom);
    return {k, nbmaxi, objectif, cle, tape, prenom};
}

} // namespace

class TstTourDeJeu : public QObject
{
    Q_OBJECT

    std::unique_ptr<Rig> rig;

    // Every control that tells the state of the turn cycle, in the given state.
    // nombre: what Nombre shows when no move has rewritten it yet ("0" at the start).
    void verifierEtat(Etat etat, const QString &prenom, const QString &nombre = QString())
    {
        const virdo::Partie &p = rig->partie();
        QVERIFY(!rig->control(VirdoControl::Joueur)->isVisible());
        QVERIFY(!rig->control(VirdoControl::Ordinateur)->isVisible());
        QVERIFY(rig->control(VirdoControl::nj)->isVisible());
        QVERIFY(rig->control(VirdoControl::nombreordinateur)->isVisible());
        QCOMPARE(rig->textBox(VirdoControl::Nombre)->text(), nombre.isNull() ? asShown(p.total) : nombre);
        const QString nj = rig->textBox(VirdoControl::nj)->text();
        const QString ordi = rig->textBox(VirdoControl::nombreordinateur)->text();
        switch (etat) {
        case Etat::TourJoueur:
            QCOMPARE(p.tour, virdo::Tour::Joueur);
            QVERIFY(rig->control(VirdoControl::Envoi)->isVisible());
            QCOMPARE(driver::shownText(rig->control(VirdoControl::Envoi)), driver::legendeValider);
            QVERIFY(rig->control(VirdoControl::nbj)->isVisible());
            FLOW_DO(verifyNbjFocus(*rig));
            QCOMPARE(nj, prenom + QStringLiteral(", à toi de proposer un nombre >"));
            QVERIFY(!rig->control(VirdoControl::FIN)->isVisible());
            break;
        case Etat::TourOrdinateur:
            QCOMPARE(p.tour, virdo::Tour::Ordinateur);
            QVERIFY(rig->control(VirdoControl::Envoi)->isVisible());
            QCOMPARE(driver::shownText(rig->control(VirdoControl::Envoi)), driver::legendeFaireJouer);
            QVERIFY(!rig->control(VirdoControl::nbj)->isVisible());
            QCOMPARE(nj, prenom + QStringLiteral(" , c'est à l'ordinateur de jouer ..."));
            QCOMPARE(ordi, driver::invitationOrdinateur);
            QVERIFY(!rig->control(VirdoControl::FIN)->isVisible());
            break;
        case Etat::JoueurGagne:
        case Etat::OrdinateurGagne: {
            const bool joueur = etat == Etat::JoueurGagne;
            QCOMPARE(p.tour, joueur ? virdo::Tour::Joueur : virdo::Tour::Ordinateur);
            QCOMPARE(int(p.total), int(p.objectif));
            QVERIFY(!rig->control(VirdoControl::Envoi)->isVisible());
            QVERIFY(!rig->control(VirdoControl::nbj)->isVisible());
            QVERIFY(rig->control(VirdoControl::FIN)->isVisible());
            QCOMPARE(nj, driver::textesVictoire(joueur, prenom).nj);
            QCOMPARE(ordi, driver::textesVictoire(joueur, prenom).nombreordinateur);
            // Announced once, with the winner's sound and the victory window.
            QCOMPARE(rig->son.calls, QStringList{joueur ? QStringLiteral("play:victoire.wav") : QStringLiteral("play:Son2.wav")});
            QVERIFY(rig->jeu.eureka());
            QVERIFY(rig->jeu.eureka()->isVisible());
            break;
        }
        }
        if (etat == Etat::TourJoueur || etat == Etat::TourOrdinateur) {
            QVERIFY(rig->son.calls.isEmpty());
            QVERIFY(!rig->jeu.eureka());
        }
    }

    // Program 1, the player starts: 7, then the computer's 5 onto the key total 12.
    void jusqua12(const QString &tape)
    {
        DRIVER_STEP(driver::startGame(rig->jeu, tape, 1, VirdoControl::Joueur));
        DRIVER_STEP(driver::playNumber(rig->jeu, QStringLiteral("7")));
        DRIVER_STEP(driver::click(rig->control(VirdoControl::Envoi)));
        QCOMPARE(int(rig->partie().total), 12);
    }

private slots:
    void init() { rig = std::make_unique<Rig>(); }
    void cleanup() { verifyNoWindowLeft(rig); }

    void exempleTrace_data()
    {
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("prenom");
        QTest::newRow("Marie") << QStringLiteral("Marie") << QStringLiteral("Marie");
        QTest::newRow("anonyme") << QString() << QStringLiteral("Joueur  Anonyme");
        QTest::newRow("blanc final") << QStringLiteral("Tom ") << QStringLiteral("Tom ");
    }
    // Program 1: the player's 7 hands over to the computer (nbj hidden, kept), whose 5 reaches 12 and hands back.
    void exempleTrace()
    {
        QFETCH(QString, tape);
        QFETCH(QString, prenom);
        DRIVER_STEP(driver::startGame(rig->jeu, tape, 1, VirdoControl::Joueur));
        DRIVER_STEP(driver::playNumber(rig->jeu, QStringLiteral("7")));

        FLOW_DO(verifierEtat(Etat::TourOrdinateur, prenom));
        QCOMPARE(int(rig->partie().total), 7);
        QCOMPARE(int(rig->partie().nombrejoue), 7);
        QCOMPARE(rig->textBox(VirdoControl::Nombre)->text(), QStringLiteral(" 7"));
        QCOMPARE(rig->textBox(VirdoControl::nbj)->text(), QStringLiteral("7"));
        QCOMPARE(rig->textBox(VirdoControl::nj)->text(), prenom + QStringLiteral(" , c'est à l'ordinateur de jouer ..."));
        QCOMPARE(rig->textBox(VirdoControl::nombreordinateur)->text(),
                 QStringLiteral("Pour que je propose un nombre, clique sur le bouton de droite >"));
        QCOMPARE(driver::shownText(rig->control(VirdoControl::Envoi)), QStringLiteral("Clique pour me faire jouer, moi, l'ordinateur"));

        DRIVER_STEP(driver::click(rig->control(VirdoControl::Envoi)));

        FLOW_DO(verifierEtat(Etat::TourJoueur, prenom));
        QCOMPARE(int(rig->partie().nombrejoue), 5);
        QCOMPARE(int(rig->partie().total), 12);
        QCOMPARE(rig->textBox(VirdoControl::nombreordinateur)->text(), QStringLiteral("Moi, l'ordinateur, j'ai joué: 5"));
        QCOMPARE(rig->textBox(VirdoControl::Nombre)->text(), QStringLiteral(" 12"));
        QCOMPARE(rig->textBox(VirdoControl::nbj)->text(), QString());
        QCOMPARE(driver::shownText(rig->control(VirdoControl::Envoi)), QStringLiteral("Clique pour valider ton nombre"));
        QCOMPARE(rig->textBox(VirdoControl::nj)->text(), prenom + QStringLiteral(", à toi de proposer un nombre >"));
        QVERIFY(rig->messages.shown.isEmpty());
    }

    void entreeRefusee_data()
    {
        QTest::addColumn<QString>("entree");
        QTest::addColumn<bool>("vide");
        QTest::addColumn<int>("nombrejoue");
        QTest::addColumn<bool>("premierTour");
        QTest::newRow("vide") << QString() << true << 0 << false;
        QTest::newRow("0") << QStringLiteral("0") << false << 0 << false;
        QTest::newRow("abc") << QStringLiteral("abc") << false << 0 << false;
        QTest::newRow("un blanc") << QStringLiteral(" ") << false << 0 << false;
        QTest::newRow("11 au-dessus de 10") << QStringLiteral("11") << false << 11 << false;
        QTest::newRow("10.6 arrondi a 11") << QStringLiteral("10.6") << false << 11 << false;
        QTest::newRow("40000") << QStringLiteral("40000") << false << nonVerifie << false;
        QTest::newRow("99999999999") << QStringLiteral("99999999999") << false << nonVerifie << false;
        QTest::newRow("1e30") << QStringLiteral("1e30") << false << nonVerifie << false;
        QTest::newRow("-5") << QStringLiteral("-5") << false << -5 << false;
        QTest::newRow("-0.6") << QStringLiteral("-0.6") << false << -1 << false;
        QTest::newRow("-0.4") << QStringLiteral("-0.4") << false << 0 << false;
        QTest::newRow("vide au premier tour") << QString() << true << 0 << true;
        QTest::newRow("11 au premier tour") << QStringLiteral("11") << false << 11 << true;
    }
    // A rejected entry shows one modal "Erreur" box, nbj off screen, then the player plays again from the same total.
    void entreeRefusee()
    {
        QFETCH(QString, entree);
        QFETCH(bool, vide);
        QFETCH(int, nombrejoue);
        QFETCH(bool, premierTour);
        if (premierTour)
            DRIVER_STEP(driver::startGame(rig->jeu, QStringLiteral("Marie"), 1, VirdoControl::Joueur));
        else
            FLOW_DO(jusqua12(QStringLiteral("Marie")));
        const int total = rig->partie().total;
        const QString messageOrdinateur = rig->textBox(VirdoControl::nombreordinateur)->text();

        bool nbjVisible = true, boutonsVisibles = true;
        rig->messages.whileOpen = [&] {
            nbjVisible = rig->control(VirdoControl::nbj)->isVisible();
            boutonsVisibles = rig->control(VirdoControl::Joueur)->isVisible() || rig->control(VirdoControl::Ordinateur)->isVisible();
        };
        DRIVER_STEP(driver::playNumber(rig->jeu, entree));

        QCOMPARE(rig->messages.shown.size(), 1);
        QCOMPARE(rig->messages.shown[0].title, QStringLiteral("Erreur"));
        QCOMPARE(rig->messages.shown[0].prompt, vide ? refusVide : refusTriche);
        QVERIFY(rig->messages.shown[0].modal);
        QVERIFY(!nbjVisible);
        QVERIFY(!boutonsVisibles);

        FLOW_DO(verifierEtat(Etat::TourJoueur, QStringLiteral("Marie"),
                             premierTour ? QStringLiteral("0") : QStringLiteral(" 12")));
        QCOMPARE(int(rig->partie().total), total);
        QCOMPARE(rig->textBox(VirdoControl::nbj)->text(), QString());
        QCOMPARE(rig->textBox(VirdoControl::nombreordinateur)->text(), messageOrdinateur);
        if (nombrejoue != nonVerifie)
            QCOMPARE(int(rig->partie().nombrejoue), nombrejoue);
    }

    void entreeAcceptee_data()
    {
        QTest::addColumn<QString>("entree");
        QTest::addColumn<int>("compte");
        QTest::newRow("2.5 compte 2") << QStringLiteral("2.5") << 2;
        QTest::newRow("3.5 compte 4") << QStringLiteral("3.5") << 4;
        QTest::newRow("5 pommes compte 5") << QStringLiteral("5 pommes") << 5;
        QTest::newRow("10, le maximum") << QStringLiteral("10") << 10;
        QTest::newRow("1, le minimum") << QStringLiteral("1") << 1;
        QTest::newRow("blancs devant") << QStringLiteral("  6") << 6;
    }
    // An accepted entry counts its rounded value and hands over; the computer answers onto the key total 23.
    void entreeAcceptee()
    {
        QFETCH(QString, entree);
        QFETCH(int, compte);
        FLOW_DO(jusqua12(QStringLiteral("Marie")));
        DRIVER_STEP(driver::playNumber(rig->jeu, entree));

        QVERIFY(rig->messages.shown.isEmpty());
        FLOW_DO(verifierEtat(Etat::TourOrdinateur, QStringLiteral("Marie")));
        QCOMPARE(int(rig->partie().nombrejoue), compte);
        QCOMPARE(int(rig->partie().total), 12 + compte);
        QCOMPARE(rig->textBox(VirdoControl::nbj)->text(), entree);

        DRIVER_STEP(driver::click(rig->control(VirdoControl::Envoi)));
        FLOW_DO(verifierEtat(Etat::TourJoueur, QStringLiteral("Marie")));
        QCOMPARE(int(rig->partie().nombrejoue), 23 - (12 + compte));
        QCOMPARE(int(rig->partie().total), 23);
        QCOMPARE(rig->textBox(VirdoControl::nombreordinateur)->text(), aJoue + asShown(23 - (12 + compte)));
    }

    // However often wrong entries are repeated, the total stays and the computer never plays.
    void refusRepete()
    {
        FLOW_DO(jusqua12(QStringLiteral("Marie")));
        const QStringList mauvaises = {QString(), QStringLiteral("0"), QStringLiteral("11"), QStringLiteral("abc"),
                                       QStringLiteral("-3"), QStringLiteral("99"), QStringLiteral("40000")};
        int essais = 0;
        for (int tour = 0; tour < 4; ++tour) {
            for (const QString &entree : mauvaises) {
                DRIVER_STEP(driver::playNumber(rig->jeu, entree));
                ++essais;
                QCOMPARE(int(rig->messages.shown.size()), essais);
                QCOMPARE(int(rig->partie().total), 12);
                QCOMPARE(rig->textBox(VirdoControl::Nombre)->text(), QStringLiteral(" 12"));
                QCOMPARE(rig->textBox(VirdoControl::nombreordinateur)->text(), QStringLiteral("Moi, l'ordinateur, j'ai joué: 5"));
                FLOW_DO(verifierEtat(Etat::TourJoueur, QStringLiteral("Marie")));
            }
        }
        // The game then goes on normally.
        DRIVER_STEP(driver::playNumber(rig->jeu, QStringLiteral("4")));
        QCOMPARE(int(rig->partie().total), 16);
        FLOW_DO(verifierEtat(Etat::TourOrdinateur, QStringLiteral("Marie")));
    }

    void premierCoupOrdinateur_data() { programmes(); }
    // When the computer starts, its first click plays the first key total, whatever chance says.
    void premierCoupOrdinateur()
    {
        const auto [k, nbmaxi, objectif, cle, tape, prenom] = programmeRow();
        // Chance would say nbmaxi, which is never cle.
        rig = std::make_unique<Rig>(QList<double>{0.999});
        DRIVER_STEP(driver::startGame(rig->jeu, tape, k, VirdoControl::Ordinateur));
        DRIVER_STEP(driver::click(rig->control(VirdoControl::Envoi)));

        QCOMPARE(int(rig->partie().nombrejoue), cle);
        QCOMPARE(int(rig->partie().total), cle);
        QCOMPARE(rig->textBox(VirdoControl::nombreordinateur)->text(), aJoue + asShown(cle));
        QCOMPARE(rig->textBox(VirdoControl::Nombre)->text(), asShown(cle));
        QCOMPARE(rig->textBox(VirdoControl::nbj)->text(), QString());
        FLOW_DO(verifierEtat(Etat::TourJoueur, prenom));
    }

    void victoireDuJoueur_data() { programmes(); }
    // A player who starts on cle and completes every computer move to nbmaxi + 1 wins, in every program.
    void victoireDuJoueur()
    {
        const auto [k, nbmaxi, objectif, cle, tape, prenom] = programmeRow();
        rig = std::make_unique<Rig>(QList<double>{0.0, 0.5, 0.999, 0.3, 0.77});
        DRIVER_STEP(driver::startGame(rig->jeu, tape, k, VirdoControl::Joueur));

        std::set<int> coupsOrdinateur;
        int cleAtteinte = cle;
        DRIVER_STEP(driver::playNumber(rig->jeu, QString::number(cle)));
        for (int garde = 0; garde < 40; ++garde) {
            FLOW_DO(verifierEtat(Etat::TourOrdinateur, prenom));
            QCOMPARE(int(rig->partie().total), cleAtteinte);

            DRIVER_STEP(driver::click(rig->control(VirdoControl::Envoi)));
            const int m = rig->partie().nombrejoue;
            QVERIFY2(m >= 1 && m <= nbmaxi, qPrintable(QString::number(m)));
            coupsOrdinateur.insert(m);
            QCOMPARE(int(rig->partie().total), cleAtteinte + m);
            QCOMPARE(rig->textBox(VirdoControl::nombreordinateur)->text(), aJoue + asShown(m));
            FLOW_DO(verifierEtat(Etat::TourJoueur, prenom));

            DRIVER_STEP(driver::playNumber(rig->jeu, QString::number(nbmaxi + 1 - m)));
            cleAtteinte += nbmaxi + 1;
            QCOMPARE(int(rig->partie().total), cleAtteinte);
            if (cleAtteinte == objectif)
                break;
        }
        FLOW_DO(verifierEtat(Etat::JoueurGagne, prenom));
        QCOMPARE(rig->textBox(VirdoControl::Nombre)->text(), asShown(objectif));
        QVERIFY(rig->messages.shown.isEmpty());
        // From a key total the computer can only play at random.
        QVERIFY(coupsOrdinateur.size() > 1);
    }

    void victoireDeLOrdinateur_data() { programmes(); }
    // When the computer starts it returns to the key totals whatever the player plays, and wins.
    void victoireDeLOrdinateur()
    {
        const auto [k, nbmaxi, objectif, cle, tape, prenom] = programmeRow();
        DRIVER_STEP(driver::startGame(rig->jeu, tape, k, VirdoControl::Ordinateur));

        int cleAtteinte = cle;
        DRIVER_STEP(driver::click(rig->control(VirdoControl::Envoi)));
        for (int i = 0; i < 40; ++i) {
            QCOMPARE(int(rig->partie().total), cleAtteinte);
            FLOW_DO(verifierEtat(Etat::TourJoueur, prenom));
            const int p = 1 + (i * 7) % nbmaxi;
            DRIVER_STEP(driver::playNumber(rig->jeu, QString::number(p)));
            QCOMPARE(int(rig->partie().total), cleAtteinte + p);
            FLOW_DO(verifierEtat(Etat::TourOrdinateur, prenom));

            DRIVER_STEP(driver::click(rig->control(VirdoControl::Envoi)));
            QCOMPARE(int(rig->partie().nombrejoue), nbmaxi + 1 - p);
            cleAtteinte += nbmaxi + 1;
            if (cleAtteinte == objectif)
                break;
        }
        FLOW_DO(verifierEtat(Etat::OrdinateurGagne, prenom));
        QCOMPARE(rig->textBox(VirdoControl::Nombre)->text(), asShown(objectif));
        QVERIFY(rig->messages.shown.isEmpty());
    }

    // A move past objectif is refused like any number outside the rules, and the game still ends.
    void auDelaDuBut()
    {
        // Nine draws of 6 bring the total to 95 on the player's turn.
        rig = std::make_unique<Rig>(QList<double>(9, 0.55));
        DRIVER_STEP(driver::startGame(rig->jeu, QStringLiteral("Marie"), 1, VirdoControl::Joueur));
        DRIVER_STEP(driver::playNumber(rig->jeu, QStringLiteral("1")));
        while (rig->partie().total < 89) {
            DRIVER_STEP(driver::click(rig->control(VirdoControl::Envoi)));
            DRIVER_STEP(driver::playNumber(rig->jeu, QString::number(11 - rig->partie().nombrejoue)));
        }
        DRIVER_STEP(driver::click(rig->control(VirdoControl::Envoi)));
        QCOMPARE(int(rig->partie().total), 95);

        const QStringList tropGrands = {QStringLiteral("10"), QStringLiteral("6"), QStringLiteral("5.6")};
        for (const QString &entree : tropGrands) {
            DRIVER_STEP(driver::playNumber(rig->jeu, entree));
            QCOMPARE(rig->messages.shown.size(), tropGrands.indexOf(entree) + 1);
            QCOMPARE(rig->messages.shown.last().title, QStringLiteral("Erreur"));
            QCOMPARE(rig->messages.shown.last().prompt, refusTriche);
            QCOMPARE(int(rig->partie().total), 95);
            QCOMPARE(rig->textBox(VirdoControl::nbj)->text(), QString());
            FLOW_DO(verifierEtat(Etat::TourJoueur, QStringLiteral("Marie")));
        }
        DRIVER_STEP(driver::playNumber(rig->jeu, QStringLiteral("5")));
        FLOW_DO(verifierEtat(Etat::JoueurGagne, QStringLiteral("Marie")));
    }
};

QTEST_MAIN(TstTourDeJeu)
#include "tst_tourdejeu.moc"
