#include "engine/partie.h"
#include "engine/programmes.h"

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
        QTest::newRow("programme 1") << 1 << 10 << 100 << 1 << 10;
        QTest::newRow("programme 2") << 2 << 7 << 100 << 4 << 13;
        QTest::newRow("programme 3") << 3 << 15 << 100 << 4 << 7;
        QTest::newRow("programme 4") << 4 << 5 << 100 << 4 << 17;
        QTest::newRow("programme 5") << 5 << 33 << 500 << 24 << 15;
        QTest::newRow("programme 6") << 6 << 20 << 200 << 11 << 10;
        QTest::newRow("programme 7") << 7 << 50 << 1000 << 31 << 20;
        QTest::newRow("programme 8") << 8 << 100 << 1000 << 91 << 10;
    }

private slots:
    // A record fresh from its window holds only zeros and empty names.
    void partieNeuve()
    {
        const Partie p;
        QCOMPARE(p.nbmini, Nombre16(0));
        QCOMPARE(p.nbmaxi, Nombre16(0));
        QCOMPARE(p.objectif, Nombre16(0));
        QCOMPARE(p.cle, Nombre16(0));
        QCOMPARE(p.nombrejoue, Nombre16(0));
        QCOMPARE(p.total, Nombre16(0));
        QCOMPARE(p.tour, Tour::Aucun);
        QVERIFY(p.prenom.isEmpty());
    }

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
        QTest::newRow("programme 1") << 1 << QStringLiteral("Chaque joueur doit proposer à tour de rôle un nombre entier compris entre 1 et  10. Les nombres proposés sont additionnés et le premier qui arrive au total exact de  100 a gagné la partie !");
        QTest::newRow("programme 2") << 2 << QStringLiteral("Chaque joueur doit proposer à tour de rôle un nombre entier compris entre 1 et 7.Les nombres proposés sont additionnés et le premier qui arrive au total exact de  100 a gagné la partie !");
        QTest::newRow("programme 3") << 3 << QStringLiteral("Chaque joueur doit proposer à tour de rôle un nombre entier compris entre 1 et 15. Les nombres proposés sont additionnés et le premier qui arrive au total exact de  100 a gagné la partie !");
        QTest::newRow("programme 4") << 4 << QStringLiteral("Chaque joueur doit proposer à tour de rôle un nombre entier compris entre 1 et 5. Les nombres proposés sont additionnés et le premier qui arrive au total exact de  100 a gagné la partie !");
        QTest::newRow("programme 5") << 5 << QStringLiteral("Chaque joueur doit proposer à tour de rôle un nombre entier compris entre 1 et 33. Les nombres proposés sont additionnés et le premier qui arrive au total exact de  500 a gagné la partie !");
        QTest::newRow("programme 6") << 6 << QStringLiteral("Chaque joueur doit proposer à tour de rôle un nombre entier compris entre 1 et 20. Les nombres proposés sont additionnés et le premier qui arrive au total exact de  200 a gagné la partie !");
        QTest::newRow("programme 7") << 7 << QStringLiteral("Chaque joueur doit proposer à tour de rôle un nombre entier compris entre 1 et 50. Les nombres proposés sont additionnés et le premier qui arrive au total exact de  1000 a gagné la partie !");
        QTest::newRow("programme 8") << 8 << QStringLiteral("Chaque joueur doit proposer à tour de rôle un nombre entier compris entre 1 et 100. Les nombres proposés sont additionnés et le premier qui arrive au total exact de  1000 a gagné la partie !");
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
