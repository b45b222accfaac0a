#include "engine/entree.h"
#include "engine/programmes.h"

#include <QTest>

using namespace virdo;

Q_DECLARE_METATYPE(virdo::Entree)

class TstEntree : public QObject
{
    Q_OBJECT

private slots:
    void programme1_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<Entree>("entree");
        QTest::addColumn<int>("nombre");
        QTest::newRow("vide") << QString() << Entree::Vide << 0;
        QTest::newRow("0") << QStringLiteral("0") << Entree::Triche << 0;
        QTest::newRow("abc") << QStringLiteral("abc") << Entree::Triche << 0;
        QTest::newRow("blanc") << QStringLiteral(" ") << Entree::Triche << 0;
        QTest::newRow("11") << QStringLiteral("11") << Entree::Triche << 11;
        QTest::newRow("10.6") << QStringLiteral("10.6") << Entree::Triche << 11;
        QTest::newRow("40000") << QStringLiteral("40000") << Entree::Triche << 0;
        QTest::newRow("99999999999") << QStringLiteral("99999999999") << Entree::Triche << 0;
        QTest::newRow("1e30") << QStringLiteral("1e30") << Entree::Triche << 0;
        QTest::newRow("-5") << QStringLiteral("-5") << Entree::Triche << -5;
        QTest::newRow("-0.6") << QStringLiteral("-0.6") << Entree::Triche << -1;
        QTest::newRow("-0.4") << QStringLiteral("-0.4") << Entree::Triche << 0;
        QTest::newRow("0.5") << QStringLiteral("0.5") << Entree::Triche << 0;
        QTest::newRow("0.6") << QStringLiteral("0.6") << Entree::Acceptee << 1;
        QTest::newRow("1") << QStringLiteral("1") << Entree::Acceptee << 1;
        QTest::newRow("10") << QStringLiteral("10") << Entree::Acceptee << 10;
        QTest::newRow("10.5") << QStringLiteral("10.5") << Entree::Acceptee << 10;
        QTest::newRow("2.5") << QStringLiteral("2.5") << Entree::Acceptee << 2;
        QTest::newRow("3.5") << QStringLiteral("3.5") << Entree::Acceptee << 4;
        QTest::newRow("5 pommes") << QStringLiteral("5 pommes") << Entree::Acceptee << 5;
        QTest::newRow("  7") << QStringLiteral("  7") << Entree::Acceptee << 7;
    }
    // Against a maximum of 10: nothing typed is an empty entry; 0, anything below 1,
    // above 10, beyond the 16-bit range or not a number is cheating; the rest is rounded
    // (halves to even) and accepted.
    void programme1()
    {
        QFETCH(QString, texte);
        QFETCH(Entree, entree);
        QFETCH(int, nombre);
        Partie partie;
        choisirProgramme(partie, 1);
        const Verdict v = jugerEntree(texte, partie);
        QCOMPARE(v.entree, entree);
        QCOMPARE(int(v.nombre), nombre);
    }

    void presDuBut_data()
    {
        QTest::addColumn<int>("k");
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("nombre");
        QTest::addColumn<Entree>("entree");
        for (int k = 1; k <= nombreDeProgrammes; ++k) {
            const Programme &p = Programmes[k - 1];
            const int avantLeBut = p.objectif - p.nbmaxi;
            QTest::addRow("programme %d, %d lands on the target", k, avantLeBut)
                    << k << avantLeBut << int(p.nbmaxi) << Entree::Acceptee;
            QTest::addRow("programme %d, %d passes it", k, avantLeBut + 1)
                    << k << avantLeBut + 1 << int(p.nbmaxi) << Entree::Triche;
            QTest::addRow("programme %d, %d is what is left", k, avantLeBut + 1)
                    << k << avantLeBut + 1 << p.nbmaxi - 1 << Entree::Acceptee;
            QTest::addRow("programme %d, above the maximum at the start", k)
                    << k << 0 << p.nbmaxi + 1 << Entree::Triche;
            QTest::addRow("programme %d, 2 past the last step", k)
                    << k << p.objectif - 1 << 2 << Entree::Triche;
        }
    }
    // The bound is the smaller of the program's maximum and what is left to the target:
    // the winner lands on it exactly, and a move past it is refused, never played.
    void presDuBut()
    {
        QFETCH(int, k);
        QFETCH(int, total);
        QFETCH(int, nombre);
        QFETCH(Entree, entree);
        Partie partie;
        choisirProgramme(partie, k);
        partie.total = Nombre16(total);
        const Verdict v = jugerEntree(QString::number(nombre), partie);
        QCOMPARE(v.entree, entree);
        QCOMPARE(int(v.nombre), nombre);
    }
};

QTEST_MAIN(TstEntree)
#include "tst_entree.moc"
