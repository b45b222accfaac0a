#include "engine/partie.h"
#include "engine/programmes.h"

#include "programmesattendus.h"

#include <QTest>

using namespace virdo;

class TstProgrammes : public QObject
{
    Q_OBJECT

private:
    static void lignes()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("nbmaxi");
        QTest::addColumn<int>("objectif");
        QTest::addColumn<int>("cle");
        QTest::addColumn<int>("nombreDeCles");
        // The number of key totals from the first to the target, one step of nbmaxi + 1 apart.
        for (int k = 1; k <= 8; ++k) {
            const driver::ProgrammeAttendu &p = driver::programmeAttendu(k);
            QTest::addRow("programme %d", k) << k << p.nbmaxi << p.objectif << p.cle
                                             << (p.objectif - p.cle) / (p.nbmaxi + 1) + 1;
        }
    }

private slots:
    void table_data() { lignes(); }
    // Each row holds its own maximum, target and first key total; the key totals,
    // one step of nbmaxi + 1 apart, end exactly on the target.
    void table()
    {
        QFETCH(int, k);
        QFETCH(int, nbmaxi);
        QFETCH(int, objectif);
        QFETCH(int, cle);
        QFETCH(int, nombreDeCles);
        QCOMPARE(int(Programmes.size()), 8);
        const Programme &p = Programmes.at(k - 1);
        QCOMPARE(int(p.nbmaxi), nbmaxi);
        QCOMPARE(int(p.objectif), objectif);
        QCOMPARE(int(p.cle), cle);
        QCOMPARE(int(p.cle), p.objectif % (p.nbmaxi + 1));
        QVERIFY(1 <= p.cle && p.cle <= p.nbmaxi);
        int cles = 0, derniere = 0;
        for (int K = p.cle; K <= p.objectif; K += p.nbmaxi + 1, ++cles)
            derniere = K;
        QCOMPARE(derniere, objectif);
        QCOMPARE(cles, nombreDeCles);
    }

    void choisir_data() { lignes(); }
    // Choosing a program loads its row and restarts the total, and leaves the move,
    // the turn and the name as they were.
    void choisir()
    {
        QFETCH(int, k);
        QFETCH(int, nbmaxi);
        QFETCH(int, objectif);
        QFETCH(int, cle);
        Partie p{7, 99, 999, 55, 6, 42, Tour::Ordinateur, QStringLiteral("Joueur  Anonyme")};
        choisirProgramme(p, k);
        QCOMPARE(p.nbmini, Nombre16(1));
        QCOMPARE(int(p.nbmaxi), nbmaxi);
        QCOMPARE(int(p.objectif), objectif);
        QCOMPARE(int(p.cle), cle);
        QCOMPARE(p.total, Nombre16(0));
        QCOMPARE(p.nombrejoue, Nombre16(6));
        QCOMPARE(p.tour, Tour::Ordinateur);
        QCOMPARE(p.prenom, QStringLiteral("Joueur  Anonyme"));
    }

    void regle_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("phrase");
        for (int k = 1; k <= 8; ++k)
            QTest::addRow("programme %d", k) << k << driver::programmeAttendu(k).phrase();
    }
    // The rules shown for each program, byte for byte: program 1 has two blanks
    // before its maximum, program 2 none after the full stop, all two before the target.
    void regle()
    {
        QFETCH(int, k);
        QFETCH(QString, phrase);
        QCOMPARE(phraseRegle(k), phrase);
    }
};

QTEST_MAIN(TstProgrammes)
#include "tst_programmes.moc"
