#include "engine/entree.h"

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
        const Verdict v = jugerEntree(texte, 10);
        QCOMPARE(v.entree, entree);
        QCOMPARE(int(v.nombre), nombre);
    }

    // The bound is the maximum of the program in play.
    void autresMaxima()
    {
        QCOMPARE(jugerEntree(QStringLiteral("5"), 5).entree, Entree::Acceptee);
        QCOMPARE(jugerEntree(QStringLiteral("6"), 5).entree, Entree::Triche);
        QCOMPARE(jugerEntree(QStringLiteral("100"), 100).entree, Entree::Acceptee);
        QCOMPARE(jugerEntree(QStringLiteral("101"), 100).entree, Entree::Triche);
    }
};

QTEST_MAIN(TstEntree)
#include "tst_entree.moc"
