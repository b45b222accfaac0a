#include "engine/conversions.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace virdo;

namespace {
constexpr double infini = std::numeric_limits<double>::infinity();
}

class TstConversions : public QObject
{
    Q_OBJECT

private slots:
    void formatSigne_data()
    {
        QTest::addColumn<int>("valeur");
        QTest::addColumn<QString>("texte");
        QTest::newRow("100") << 100 << QStringLiteral(" 100");
        QTest::newRow("0") << 0 << QStringLiteral(" 0");
        QTest::newRow("-5") << -5 << QStringLiteral("-5");
        QTest::newRow("32767") << 32767 << QStringLiteral(" 32767");
        QTest::newRow("-32768") << -32768 << QStringLiteral("-32768");
    }
    // A non-negative number keeps one blank where the minus sign would stand.
    void formatSigne()
    {
        QFETCH(int, valeur);
        QFETCH(QString, texte);
        QCOMPARE(virdo::formatSigne(valeur), texte);
    }

    void valeurNumerique_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<double>("valeur");
        QTest::newRow("5 pommes") << QStringLiteral("5 pommes") << 5.0;
        QTest::newRow("abc") << QStringLiteral("abc") << 0.0;
        QTest::newRow("blanc") << QStringLiteral(" ") << 0.0;
        QTest::newRow("vide") << QString() << 0.0;
        QTest::newRow("2.5") << QStringLiteral("2.5") << 2.5;
        QTest::newRow("10.6") << QStringLiteral("10.6") << 10.6;
        QTest::newRow("blancs devant") << QStringLiteral("  7") << 7.0;
        QTest::newRow("tabulation devant") << QStringLiteral("\t8") << 8.0;
        QTest::newRow(".5") << QStringLiteral(".5") << 0.5;
        QTest::newRow("-5") << QStringLiteral("-5") << -5.0;
        QTest::newRow("+4") << QStringLiteral("+4") << 4.0;
        QTest::newRow("signe seul") << QStringLiteral("-") << 0.0;
        QTest::newRow("point seul") << QStringLiteral(".") << 0.0;
        QTest::newRow("virgule") << QStringLiteral("2,5") << 2.0;
        QTest::newRow("1e3") << QStringLiteral("1e3") << 1000.0;
        QTest::newRow("2.5E-1") << QStringLiteral("2.5E-1") << 0.25;
        QTest::newRow("5e") << QStringLiteral("5e") << 5.0;
        QTest::newRow("5e+") << QStringLiteral("5e+") << 5.0;
        QTest::newRow("5 euros") << QStringLiteral("5 euros") << 5.0;
        QTest::newRow("1e999") << QStringLiteral("1e999") << infini;
        QTest::newRow("-1e999") << QStringLiteral("-1e999") << -infini;
        QTest::newRow("1e-999") << QStringLiteral("1e-999") << 0.0;
        QTest::newRow("400 neuf") << QString(400, u'9') << infini;
        QTest::newRow("400 neuf e-5") << QString(400, u'9') + QStringLiteral("e-5") << infini;
        QTest::newRow("400 zeros puis 1") << QStringLiteral("0.") + QString(400, u'0') + u'1' << 0.0;
        QTest::newRow("e accent 5") << QStringLiteral("é5") << 0.0;
        QTest::newRow("5 e accent") << QStringLiteral("5é") << 5.0;
        QTest::newRow("chiffre pleine chasse") << QStringLiteral("５") << 0.0;
        QTest::newRow("chiffre arabe") << QStringLiteral("٣") << 0.0;
        QTest::newRow("emoji devant") << QStringLiteral("😀7") << 0.0;
        QTest::newRow("emoji apres") << QStringLiteral("7😀") << 7.0;
        QTest::newRow("espace insecable") << QStringLiteral("\u00a07") << 0.0;
    }
    // The number at the start of the text, "." as decimal point; 0 when there is none,
    // an infinity when it is too large for any double, 0 when too close to zero.
    void valeurNumerique()
    {
        QFETCH(QString, texte);
        QFETCH(double, valeur);
        QCOMPARE(virdo::valeurNumerique(texte), valeur);
    }

    // Texts of 100,000 characters are read to their end without harm.
    void texteTresLong()
    {
        QCOMPARE(virdo::valeurNumerique(QString(100000, u'7')), infini);
        QCOMPARE(virdo::valeurNumerique(QString(100000, u'x')), 0.0);
        QCOMPARE(virdo::valeurNumerique(QString(100000, u'0') + QStringLiteral("42")), 42.0);
        QCOMPARE(virdo::valeurNumerique(QStringLiteral("3 ") + QString(100000, u'9')), 3.0);
        QVERIFY(!virdo::arrondi16(virdo::valeurNumerique(QString(100000, u'7'))));
    }

    void arrondi16_data()
    {
        QTest::addColumn<double>("valeur");
        QTest::addColumn<bool>("deborde");
        QTest::addColumn<int>("entier");
        QTest::newRow("2.5") << 2.5 << false << 2;
        QTest::newRow("3.5") << 3.5 << false << 4;
        QTest::newRow("-2.5") << -2.5 << false << -2;
        QTest::newRow("0.5") << 0.5 << false << 0;
        QTest::newRow("1.5") << 1.5 << false << 2;
        QTest::newRow("10.6") << 10.6 << false << 11;
        QTest::newRow("-0.4") << -0.4 << false << 0;
        QTest::newRow("-0.6") << -0.6 << false << -1;
        QTest::newRow("32767.4") << 32767.4 << false << 32767;
        QTest::newRow("32767.5") << 32767.5 << true << 0;
        QTest::newRow("-32768.5") << -32768.5 << false << -32768;
        QTest::newRow("-32768.6") << -32768.6 << true << 0;
        QTest::newRow("40000") << 40000.0 << true << 0;
        QTest::newRow("-40000") << -40000.0 << true << 0;
        QTest::newRow("+infini") << infini << true << 0;
        QTest::newRow("-infini") << -infini << true << 0;
        QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << true << 0;
    }
    // Rounds to nearest with halves to even; outside -32768 ... 32767 it reports an overflow.
    void arrondi16()
    {
        QFETCH(double, valeur);
        QFETCH(bool, deborde);
        QFETCH(int, entier);
        const auto r = virdo::arrondi16(valeur);
        QCOMPARE(!r.has_value(), deborde);
        if (r)
            QCOMPARE(int(*r), entier);
    }

    void addition16_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<bool>("deborde");
        QTest::addColumn<int>("somme");
        QTest::newRow("89+11") << 89 << 11 << false << 100;
        QTest::newRow("-5+3") << -5 << 3 << false << -2;
        QTest::newRow("32766+1") << 32766 << 1 << false << 32767;
        QTest::newRow("-32767-1") << -32767 << -1 << false << -32768;
        QTest::newRow("32767-32768") << 32767 << -32768 << false << -1;
        QTest::newRow("32767+1") << 32767 << 1 << true << 0;
        QTest::newRow("-32768-1") << -32768 << -1 << true << 0;
        QTest::newRow("30000+30000") << 30000 << 30000 << true << 0;
    }
    // A sum outside the 16-bit range is an overflow, never a wrapped value.
    void addition16()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(bool, deborde);
        QFETCH(int, somme);
        const auto r = virdo::addition16(Nombre16(a), Nombre16(b));
        QCOMPARE(!r.has_value(), deborde);
        if (r)
            QCOMPARE(int(*r), somme);
    }

    // The integer part is the largest integer not above the value, negatives included.
    void partieEntiere()
    {
        QCOMPARE(virdo::partieEntiere(9.99), 9.0);
        QCOMPARE(virdo::partieEntiere(3.0), 3.0);
        QCOMPARE(virdo::partieEntiere(-2.5), -3.0);
    }
};

QTEST_MAIN(TstConversions)
#include "tst_conversions.moc"
