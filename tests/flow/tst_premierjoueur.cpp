// The choice of the first player, clicked on the real main window.

#include "flowtest.h"

#include "windows/toolkit.h"
#include "windows/twips.h"

using namespace flowtest;

namespace {

// The button of that caption's name: "Joueur" or "Ordinateur".
VirdoControl bouton(const QString &nom)
{
    return nom == QLatin1String("Joueur") ? VirdoControl::Joueur : VirdoControl::Ordinateur;
}

struct Geometrie
{
    int gauche, haut, largeur, hauteur;
};

Geometrie enTwips(const QWidget *w)
{
    return {virdo::pixelsToTwipsX(w, w->x()), virdo::pixelsToTwipsY(w, w->y()), virdo::pixelsToTwipsX(w, w->width()),
            virdo::pixelsToTwipsY(w, w->height())};
}

} // namespace

class TstPremierJoueur : public QObject
{
    Q_OBJECT

    std::unique_ptr<Rig> rig;

    // Both message boxes are laid out over the place of the two buttons, whatever they were before.
    void verifierMiseEnPage()
    {
        const Geometrie nj = enTwips(rig->control(VirdoControl::nj));
        QCOMPARE(nj.gauche, 120);
        QCOMPARE(nj.largeur, 9855);
        QCOMPARE(nj.haut, 3240);
        QCOMPARE(nj.hauteur, 615);
        const Geometrie ordi = enTwips(rig->control(VirdoControl::nombreordinateur));
        QCOMPARE(ordi.gauche, 120);
        QCOMPARE(ordi.largeur, 8895);
        QCOMPARE(ordi.haut, 3960);
        QCOMPARE(ordi.hauteur, 615);
    }

    // What either click leaves, from the side-by-side table of the two choices. nbjAvant is
    // whether nbj was on screen before the click: Ordinateur leaves it as it was.
    void verifierChoix(const QString &bouton, const QString &prenom, const QString &legendeAvant, bool nbjAvant)
    {
        const bool joueur = bouton == QLatin1String("Joueur");
        QCOMPARE(rig->partie().tour, joueur ? virdo::Tour::Joueur : virdo::Tour::Ordinateur);
        QVERIFY(!rig->control(VirdoControl::Joueur)->isVisible());
        QVERIFY(!rig->control(VirdoControl::Ordinateur)->isVisible());
        QVERIFY(rig->control(VirdoControl::nj)->isVisible());
        QVERIFY(rig->control(VirdoControl::nombreordinateur)->isVisible());
        QCOMPARE(rig->textBox(VirdoControl::nj)->text(),
                 prenom + (joueur ? QStringLiteral(", propose un nombre >") : QStringLiteral(", attends ton tour pour jouer ...")));
        QCOMPARE(rig->textBox(VirdoControl::nombreordinateur)->text(),
                 joueur ? QStringLiteral("J'attends patiemment mon tour pour jouer ...")
                        : QStringLiteral("Clique sur le bouton de droite pour que je joue >>>"));
        FLOW_DO(verifierMiseEnPage());
        QVERIFY(rig->control(VirdoControl::Envoi)->isVisible());
        QCOMPARE(driver::shownText(rig->control(VirdoControl::Envoi)), joueur ? legendeAvant : driver::legendeFaireJouer);
        QVERIFY(!rig->control(VirdoControl::FIN)->isVisible());
        if (joueur) {
            QVERIFY(rig->control(VirdoControl::nbj)->isVisible());
            FLOW_DO(verifyNbjFocus(*rig));
        } else {
            QCOMPARE(rig->control(VirdoControl::nbj)->isVisible(), nbjAvant);
            if (!nbjAvant)
                QVERIFY(!rig->control(VirdoControl::nbj)->hasFocus());
        }
    }

private slots:
    void init() { rig = std::make_unique<Rig>(); }
    void cleanup() { verifyNoWindowLeft(rig); }

    void choix_data()
    {
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("prenom");
        QTest::newRow("Joueur, Marie") << QStringLiteral("Joueur") << QStringLiteral("Marie") << QStringLiteral("Marie");
        QTest::newRow("Ordinateur, Marie") << QStringLiteral("Ordinateur") << QStringLiteral("Marie") << QStringLiteral("Marie");
        QTest::newRow("Joueur, anonyme") << QStringLiteral("Joueur") << QString() << QStringLiteral("Joueur  Anonyme");
        QTest::newRow("Ordinateur, anonyme") << QStringLiteral("Ordinateur") << QString() << QStringLiteral("Joueur  Anonyme");
        QTest::newRow("Joueur, blanc final") << QStringLiteral("Joueur") << QStringLiteral("Tom ") << QStringLiteral("Tom ");
        QTest::newRow("Ordinateur, blanc final") << QStringLiteral("Ordinateur") << QStringLiteral("Tom ") << QStringLiteral("Tom ");
    }
    // Joueur/Ordinateur record who starts and lay out the first turn; nothing of the set-up changes.
    void choix()
    {
        QFETCH(QString, bouton);
        QFETCH(QString, tape);
        QFETCH(QString, prenom);
        DRIVER_STEP(driver::greet(rig->jeu, tape));
        DRIVER_STEP(driver::click(rig->programBox(3)));
        const QString accueil = driver::shownText(rig->control(VirdoControl::Accueil));
        const QString tirage = driver::shownText(rig->control(VirdoControl::Tirage));

        DRIVER_STEP(driver::click(rig->control(::bouton(bouton))));

        FLOW_DO(verifierChoix(bouton, prenom, driver::legendeDepart, false));
        QCOMPARE(driver::shownText(rig->control(VirdoControl::Accueil)), accueil);
        QCOMPARE(driver::shownText(rig->control(VirdoControl::Tirage)), tirage);
        QCOMPARE(rig->textBox(VirdoControl::BUT)->text(), QStringLiteral(" 100"));
        QCOMPARE(rig->textBox(VirdoControl::Nombre)->text(), QStringLiteral("0"));
        QCOMPARE(rig->textBox(VirdoControl::nbj)->text(), QString());
        QVERIFY(rig->programBox(3)->isVisible());
        QVERIFY(rig->programBox(3)->isChecked());
        QVERIFY(rig->control(VirdoControl::Liste)->isVisible());
        const virdo::Partie &p = rig->partie();
        QCOMPARE(int(p.nbmaxi), 15);
        QCOMPARE(int(p.objectif), 100);
        QCOMPARE(int(p.cle), 4);
        QCOMPARE(int(p.total), 0);
        QCOMPARE(int(p.nombrejoue), 0);
        QCOMPARE(p.prenom, prenom);
        QVERIFY(rig->messages.shown.isEmpty());
        QVERIFY(!rig->jeu.eureka());
    }

    void choisirDeNouveau_data()
    {
        QTest::addColumn<QString>("premier");
        QTest::addColumn<QString>("second");
        QTest::newRow("Joueur puis Ordinateur") << QStringLiteral("Joueur") << QStringLiteral("Ordinateur");
        QTest::newRow("Ordinateur puis Joueur") << QStringLiteral("Ordinateur") << QStringLiteral("Joueur");
        QTest::newRow("Joueur puis Joueur") << QStringLiteral("Joueur") << QStringLiteral("Joueur");
        QTest::newRow("Ordinateur puis Ordinateur") << QStringLiteral("Ordinateur") << QStringLiteral("Ordinateur");
    }
    // A second choice after re-clicking the box runs again in full, same geometry, from the total 0.
    void choisirDeNouveau()
    {
        QFETCH(QString, premier);
        QFETCH(QString, second);
        DRIVER_STEP(driver::startGame(rig->jeu, QStringLiteral("Marie"), 1, bouton(premier)));
        if (premier == QLatin1String("Joueur")) {
            DRIVER_STEP(driver::playNumber(rig->jeu, QStringLiteral("7"))); // 7
        }
        DRIVER_STEP(driver::click(rig->control(VirdoControl::Envoi))); // the computer plays onto a key total
        QVERIFY(rig->partie().total > 0);
        QCOMPARE(rig->partie().tour, virdo::Tour::Joueur);

        DRIVER_STEP(driver::click(rig->programBox(1)));
        QCOMPARE(int(rig->partie().total), 0);
        // The game's own controls are as the player's turn left them.
        QVERIFY(rig->control(VirdoControl::nbj)->isVisible());
        const QString legendeAvant = driver::shownText(rig->control(VirdoControl::Envoi));
        QCOMPARE(legendeAvant, driver::legendeValider);
        DRIVER_STEP(driver::click(rig->control(bouton(second))));

        FLOW_DO(verifierChoix(second, QStringLiteral("Marie"), legendeAvant, true));
        QCOMPARE(int(rig->partie().total), 0);

        // The next move counts from 0.
        if (second == QLatin1String("Joueur")) {
            DRIVER_STEP(driver::playNumber(rig->jeu, QStringLiteral("2")));
            QCOMPARE(int(rig->partie().total), 2);
            QCOMPARE(rig->partie().tour, virdo::Tour::Ordinateur);
        } else {
            DRIVER_STEP(driver::click(rig->control(VirdoControl::Envoi)));
            QCOMPARE(int(rig->partie().nombrejoue), 1);
            QCOMPARE(int(rig->partie().total), 1);
            QCOMPARE(rig->partie().tour, virdo::Tour::Joueur);
        }
        FLOW_DO(verifierMiseEnPage());
    }
};

QTEST_MAIN(TstPremierJoueur)
#include "tst_premierjoueur.moc"
