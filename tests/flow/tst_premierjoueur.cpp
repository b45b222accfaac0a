// The choice of the first player, clicked on the real main window.

#include "partiejouee.h"

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

    std::unique_ptr<Banc> banc;

    // Both message boxes are laid out over the place of the two buttons, whatever they were before.
    void verifierMiseEnPage()
    {
        const Geometrie nj = enTwips(banc->ctl(VirdoControl::nj));
        QCOMPARE(nj.gauche, 120);
        QCOMPARE(nj.largeur, 9855);
        QCOMPARE(nj.haut, 3240);
        QCOMPARE(nj.hauteur, 615);
        const Geometrie ordi = enTwips(banc->ctl(VirdoControl::nombreordinateur));
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
        QCOMPARE(banc->partie().tour, joueur ? virdo::Tour::Joueur : virdo::Tour::Ordinateur);
        QVERIFY(!banc->ctl(VirdoControl::Joueur)->isVisible());
        QVERIFY(!banc->ctl(VirdoControl::Ordinateur)->isVisible());
        QVERIFY(banc->ctl(VirdoControl::nj)->isVisible());
        QVERIFY(banc->ctl(VirdoControl::nombreordinateur)->isVisible());
        QCOMPARE(banc->boite(VirdoControl::nj)->text(),
                 prenom + (joueur ? QStringLiteral(", propose un nombre >") : QStringLiteral(", attends ton tour pour jouer ...")));
        QCOMPARE(banc->boite(VirdoControl::nombreordinateur)->text(),
                 joueur ? QStringLiteral("J'attends patiemment mon tour pour jouer ...")
                        : QStringLiteral("Clique sur le bouton de droite pour que je joue >>>"));
        FLOW_DO(verifierMiseEnPage());
        QVERIFY(banc->ctl(VirdoControl::Envoi)->isVisible());
        QCOMPARE(pilote::texte(banc->ctl(VirdoControl::Envoi)), joueur ? legendeAvant : pilote::legendeFaireJouer);
        QVERIFY(!banc->ctl(VirdoControl::FIN)->isVisible());
        if (joueur) {
            QVERIFY(banc->ctl(VirdoControl::nbj)->isVisible());
            FLOW_DO(verifierFocusNbj(*banc));
        } else {
            QCOMPARE(banc->ctl(VirdoControl::nbj)->isVisible(), nbjAvant);
            if (!nbjAvant)
                QVERIFY(!banc->ctl(VirdoControl::nbj)->hasFocus());
        }
    }

private slots:
    void init() { banc = std::make_unique<Banc>(); }
    void cleanup() { verifierAucuneFenetre(banc); }

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
        PILOTE(pilote::saluer(banc->jeu, tape));
        PILOTE(pilote::cliquer(banc->caseProgramme(3)));
        const QString accueil = pilote::texte(banc->ctl(VirdoControl::Accueil));
        const QString tirage = pilote::texte(banc->ctl(VirdoControl::Tirage));

        PILOTE(pilote::cliquer(banc->ctl(::bouton(bouton))));

        FLOW_DO(verifierChoix(bouton, prenom, pilote::legendeDepart, false));
        QCOMPARE(pilote::texte(banc->ctl(VirdoControl::Accueil)), accueil);
        QCOMPARE(pilote::texte(banc->ctl(VirdoControl::Tirage)), tirage);
        QCOMPARE(banc->boite(VirdoControl::BUT)->text(), QStringLiteral(" 100"));
        QCOMPARE(banc->boite(VirdoControl::Nombre)->text(), QStringLiteral("0"));
        QCOMPARE(banc->boite(VirdoControl::nbj)->text(), QString());
        QVERIFY(banc->caseProgramme(3)->isVisible());
        QVERIFY(banc->caseProgramme(3)->isChecked());
        QVERIFY(banc->ctl(VirdoControl::Liste)->isVisible());
        const virdo::Partie &p = banc->partie();
        QCOMPARE(int(p.nbmaxi), 15);
        QCOMPARE(int(p.objectif), 100);
        QCOMPARE(int(p.cle), 4);
        QCOMPARE(int(p.total), 0);
        QCOMPARE(int(p.nombrejoue), 0);
        QCOMPARE(p.prenom, prenom);
        QVERIFY(banc->messages.shown.isEmpty());
        QVERIFY(!banc->jeu.eureka());
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
        PILOTE(pilote::commencer(banc->jeu, QStringLiteral("Marie"), 1, bouton(premier)));
        if (premier == QLatin1String("Joueur")) {
            PILOTE(pilote::proposer(banc->jeu, QStringLiteral("7"))); // 7
        }
        PILOTE(pilote::cliquer(banc->ctl(VirdoControl::Envoi))); // the computer plays onto a key total
        QVERIFY(banc->partie().total > 0);
        QCOMPARE(banc->partie().tour, virdo::Tour::Joueur);

        PILOTE(pilote::cliquer(banc->caseProgramme(1)));
        QCOMPARE(int(banc->partie().total), 0);
        // The game's own controls are as the player's turn left them.
        QVERIFY(banc->ctl(VirdoControl::nbj)->isVisible());
        const QString legendeAvant = pilote::texte(banc->ctl(VirdoControl::Envoi));
        QCOMPARE(legendeAvant, pilote::legendeValider);
        PILOTE(pilote::cliquer(banc->ctl(bouton(second))));

        FLOW_DO(verifierChoix(second, QStringLiteral("Marie"), legendeAvant, true));
        QCOMPARE(int(banc->partie().total), 0);

        // The next move counts from 0.
        if (second == QLatin1String("Joueur")) {
            PILOTE(pilote::proposer(banc->jeu, QStringLiteral("2")));
            QCOMPARE(int(banc->partie().total), 2);
            QCOMPARE(banc->partie().tour, virdo::Tour::Ordinateur);
        } else {
            PILOTE(pilote::cliquer(banc->ctl(VirdoControl::Envoi)));
            QCOMPARE(int(banc->partie().nombrejoue), 1);
            QCOMPARE(int(banc->partie().total), 1);
            QCOMPARE(banc->partie().tour, virdo::Tour::Joueur);
        }
        FLOW_DO(verifierMiseEnPage());
    }
};

QTEST_MAIN(TstPremierJoueur)
#include "tst_premierjoueur.moc"
