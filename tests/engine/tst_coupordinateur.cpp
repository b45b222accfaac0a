#include "engine/coupordinateur.h"
#include "engine/generateur.h"
#include "engine/programmes.h"

#include <QTest>

#include <cmath>
#include <set>
#include <vector>

using namespace virdo;

namespace {

// Hands out the fractions it was given, in turn, and counts the draws.
class GenerateurSuite final : public Generateur
{
public:
    explicit GenerateurSuite(std::vector<double> fractions) : m_fractions(std::move(fractions)) {}
    double fraction() override { return m_fractions.at(tirages++ % m_fractions.size()); }
    std::size_t tirages = 0;

private:
    std::vector<double> m_fractions;
};

Partie partieEn(int k, int total)
{
    Partie p;
    choisirProgramme(p, k);
    p.total = Nombre16(total);
    return p;
}

std::vector<int> clesDe(const Partie &p)
{
    std::vector<int> cles;
    for (int K = p.cle; K <= p.objectif; K += p.nbmaxi + 1)
        cles.push_back(K);
    return cles;
}

void programmes()
{
    QTest::addColumn<int>("k");
    for (int k = 1; k <= nombreDeProgrammes; ++k)
        QTest::addRow("programme %d", k) << k;
}

} // namespace

class TstCoupOrdinateur : public QObject
{
    Q_OBJECT

private slots:
    void cas_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("coup"); // 0: no key total within reach, a random move
        QTest::newRow("p1 depart") << 1 << 0 << 1;
        QTest::newRow("p1 sur 1") << 1 << 1 << 0;
        QTest::newRow("p1 7 vers 12") << 1 << 7 << 5;
        QTest::newRow("p1 88") << 1 << 88 << 1;
        QTest::newRow("p1 sur 89") << 1 << 89 << 0;
        QTest::newRow("p1 90 gagne") << 1 << 90 << 10;
        QTest::newRow("p1 99 gagne") << 1 << 99 << 1;
        QTest::newRow("p1 105 au-dela") << 1 << 105 << 0;
        QTest::newRow("p4 3") << 4 << 3 << 1;
        QTest::newRow("p4 sur 4") << 4 << 4 << 0;
        QTest::newRow("p4 5") << 4 << 5 << 5;
        QTest::newRow("p8 depart") << 8 << 0 << 91;
    }
    // Within reach of a key total the computer plays exactly onto it without drawing;
    // otherwise it draws once, fraction 0 giving 1 and a fraction just below 1 giving nbmaxi.
    void cas()
    {
        QFETCH(int, k);
        QFETCH(int, total);
        QFETCH(int, coup);
        if (coup != 0) {
            Partie p = partieEn(k, total);
            GenerateurSuite g({0.5});
            CoupOrdinateur(p, g);
            QCOMPARE(int(p.nombrejoue), coup);
            QCOMPARE(int(p.total), total + coup);
            QCOMPARE(g.tirages, std::size_t(0));
            return;
        }
        GenerateurSuite g({0.0, 0.999999});
        for (int attendu : {1, int(Programmes.at(k - 1).nbmaxi)}) {
            Partie p = partieEn(k, total);
            CoupOrdinateur(p, g);
            QCOMPARE(int(p.nombrejoue), attendu);
            QCOMPARE(int(p.total), total + attendu);
        }
        QCOMPARE(g.tirages, std::size_t(2));
    }

    void tirage_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<double>("fraction");
        QTest::addColumn<int>("coup");
        QTest::newRow("p1 0.0999") << 1 << 0.0999 << 1;
        QTest::newRow("p1 0.1") << 1 << 0.1 << 2;
        QTest::newRow("p1 0.5") << 1 << 0.5 << 6;
        QTest::newRow("p4 0.5") << 4 << 0.5 << 3;
        QTest::newRow("p8 0") << 8 << 0.0 << 1;
        QTest::newRow("p8 juste sous 1") << 8 << std::nextafter(1.0, 0.0) << 100;
    }
    // A drawn fraction r becomes the move floor(r * nbmaxi) + 1.
    void tirage()
    {
        QFETCH(int, k);
        QFETCH(double, fraction);
        QFETCH(int, coup);
        Partie p = partieEn(k, Programmes.at(k - 1).cle);
        GenerateurSuite g({fraction});
        CoupOrdinateur(p, g);
        QCOMPARE(int(p.nombrejoue), coup);
    }

    void versLaCleSuivante_data() { programmes(); }
    // From every total below the target that is not a key total, the computer lands
    // on the next key total above it, with a move between 1 and nbmaxi.
    void versLaCleSuivante()
    {
        QFETCH(int, k);
        const Partie modele = partieEn(k, 0);
        const std::vector<int> cles = clesDe(modele);
        QCOMPARE(cles.back(), int(modele.objectif));
        auto suivante = cles.begin();
        for (int t = 0; t < modele.objectif; ++t) {
            if (t == *suivante) {
                ++suivante;
                continue;
            }
            Partie p = partieEn(k, t);
            GenerateurSuite g({0.0});
            CoupOrdinateur(p, g);
            QCOMPARE(int(p.total), *suivante);
            QVERIFY(p.nombrejoue >= 1 && p.nombrejoue <= p.nbmaxi);
            QCOMPARE(g.tirages, std::size_t(0));
        }
    }

    void reponseDepuisCle_data() { programmes(); }
    // Whatever the player plays from a key total below the target, the computer answers
    // onto the next key total, so a game it starts always ends with it on the target.
    void reponseDepuisCle()
    {
        QFETCH(int, k);
        const Partie modele = partieEn(k, 0);
        const std::vector<int> cles = clesDe(modele);
        GenerateurSuite g({0.0});

        Partie depart = modele;
        CoupOrdinateur(depart, g);
        QCOMPARE(int(depart.total), cles.front());

        for (std::size_t i = 0; i + 1 < cles.size(); ++i) {
            for (int joue = 1; joue <= modele.nbmaxi; ++joue) {
                Partie p = partieEn(k, cles[i]);
                p.nombrejoue = Nombre16(joue);
                ajouterAuTotal(p);
                QVERIFY(p.total < p.objectif); // the player cannot reach the target
                CoupOrdinateur(p, g);
                QCOMPARE(int(p.total), cles[i + 1]);
            }
        }
        QCOMPARE(g.tirages, std::size_t(0));
    }

    void partieComplete_data() { programmes(); }
    // A whole game the computer starts, against a player who always plays the same number
    // or plays at random: the computer alone reaches the target, exactly.
    void partieComplete()
    {
        QFETCH(int, k);
        const int nbmaxi = Programmes.at(k - 1).nbmaxi;
        GenerateurFixe joueur;
        GenerateurSuite ordinateur({0.0});
        for (int constant = 0; constant <= nbmaxi; ++constant) {
            Partie p = partieEn(k, 0);
            for (;;) {
                CoupOrdinateur(p, ordinateur);
                QVERIFY(p.total <= p.objectif);
                if (p.total == p.objectif)
                    break;
                p.nombrejoue = Nombre16(constant ? constant : int(joueur.fraction() * nbmaxi) + 1);
                ajouterAuTotal(p);
                QVERIFY(p.total < p.objectif);
            }
        }
        QCOMPARE(ordinateur.tirages, std::size_t(0));
    }

    void hasard_data() { programmes(); }
    // Standing on a key total, the computer's random moves cover 1 ... nbmaxi and nothing else.
    void hasard()
    {
        QFETCH(int, k);
        GenerateurFixe g;
        std::set<int> vus;
        const Partie modele = partieEn(k, Programmes.at(k - 1).cle);
        for (int i = 0; i < 200 * modele.nbmaxi; ++i) {
            Partie p = modele;
            CoupOrdinateur(p, g);
            QVERIFY2(p.nombrejoue >= 1 && p.nombrejoue <= p.nbmaxi, qPrintable(QString::number(p.nombrejoue)));
            QCOMPARE(p.total, Nombre16(modele.total + p.nombrejoue));
            vus.insert(p.nombrejoue);
        }
        QCOMPARE(int(vus.size()), int(modele.nbmaxi));
    }

    // Every launch draws the same fractions, all in [0, 1), spread over the whole interval.
    void generateurFixe()
    {
        GenerateurFixe a, b;
        double mini = 1.0, maxi = 0.0;
        for (int i = 0; i < 100000; ++i) {
            const double r = a.fraction();
            QCOMPARE(b.fraction(), r);
            QVERIFY(r >= 0.0 && r < 1.0);
            mini = std::min(mini, r);
            maxi = std::max(maxi, r);
        }
        QVERIFY(mini < 0.001);
        QVERIFY(maxi > 0.999);
    }

    // Far past the target the total stops at the 16-bit limit instead of wrapping.
    void totalSature()
    {
        Partie p = partieEn(1, 32760);
        p.nombrejoue = 10;
        ajouterAuTotal(p);
        QCOMPARE(p.total, Nombre16(32767));

        GenerateurSuite g({0.999999});
        CoupOrdinateur(p, g);
        QCOMPARE(p.nombrejoue, Nombre16(10));
        QCOMPARE(p.total, Nombre16(32767));

        p.total = -32768;
        p.nombrejoue = -1;
        ajouterAuTotal(p);
        QCOMPARE(p.total, Nombre16(-32768));

        p.total = 12;
        p.nombrejoue = 5;
        ajouterAuTotal(p);
        QCOMPARE(p.total, Nombre16(17));
    }
};

QTEST_MAIN(TstCoupOrdinateur)
#include "tst_coupordinateur.moc"
