// Leaving a finished game: FIN, then OUI for another game or NON to end the program.

#include "driver.h"

#include "flow/jeu.h"

#include <QApplication>
#include <QCheckBox>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

namespace {

QStringList controlesAffiches(const virdo::GameWindow &fenetre)
{
    QStringList noms;
    for (const virdo::ControlRow &control : fenetre.table().controls) {
        if (driver::byName(fenetre, QLatin1String(control.name))->isVisible())
            noms << QLatin1String(control.name);
    }
    noms.sort();
    return noms;
}

QString jouees(const QStringList &appels)
{
    return appels.join(QLatin1String(" | "));
}

} // namespace

class TestFinPartie : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void finLeavesTheGame_data();
    void finLeavesTheGame();
    void ouiStartsAFreshGame_data();
    void ouiStartsAFreshGame();
    void nonEndsTheProgram_data();
    void nonEndsTheProgram();
    void gamesInARow_data();
    void gamesInARow();
};

void TestFinPartie::cleanup()
{
    DRIVER_NO_WINDOW_LEFT();
}

void TestFinPartie::finLeavesTheGame_data()
{
    QTest::addColumn<bool>("joueurGagne");
    QTest::addColumn<int>("parties");
    QTest::newRow("player wins, first FIN") << true << 1;
    QTest::newRow("computer wins, first FIN") << false << 1;
    QTest::newRow("computer wins, third FIN") << false << 3;
}

// FIN hides Eureka, shows Rejouer with the name, stops the sound while the main window is
// still on screen, then really destroys the main window; later FINs reuse the same Rejouer.
void TestFinPartie::finLeavesTheGame()
{
    QFETCH(bool, joueurGagne);
    QFETCH(int, parties);
    driver::Rig rig;
    auto &[son, hasard, messages, annonces, jeu, termine] = rig;
    QPointer<virdo::RejouerWindow> premierRejouer;
    for (int partie = 1; partie <= parties; ++partie) {
        const QString prenom = QStringLiteral("Lou %1").arg(partie);
        DRIVER_STEP(driver::playGame(jeu, prenom, joueurGagne));
        QPointer<virdo::VirdoWindow> principale = jeu.principale();
        QPointer<virdo::EurekaWindow> eureka = jeu.eureka();
        QVERIFY(eureka->isVisible());
        const qsizetype appelsAvant = son.calls.size();

        struct
        {
            int arrets = 0;
            bool eurekaCache = false;
            bool rejouerAffiche = false;
            QString nomAffiche;
            bool principaleAffichee = false;
        } auStop;
        son.onCall = [&](const QString &appel) {
            if (appel != QLatin1String("stop"))
                return;
            ++auStop.arrets;
            auStop.eurekaCache = eureka && !eureka->isVisible();
            auStop.rejouerAffiche = jeu.rejouer() && jeu.rejouer()->isVisible();
            if (jeu.rejouer())
                auStop.nomAffiche = driver::shownText(jeu.rejouer()->control(RejouerControl::nj));
            auStop.principaleAffichee = principale && jeu.principale() == principale && principale->isVisible();
        };
        DRIVER_STEP(driver::click(*principale, VirdoControl::FIN));
        son.onCall = nullptr;

        QCOMPARE(son.calls.mid(appelsAvant), QStringList{QStringLiteral("stop")});
        QVERIFY(son.playing.isEmpty());
        QCOMPARE(auStop.arrets, 1);
        QVERIFY2(auStop.eurekaCache, "Eureka still on screen when the sound stopped");
        QVERIFY2(auStop.rejouerAffiche, "the sound stopped before Rejouer was shown");
        QCOMPARE(auStop.nomAffiche, prenom);
        QVERIFY2(auStop.principaleAffichee, "the main window was gone before the sound stopped");

        QVERIFY(eureka && !eureka->isVisible());
        QVERIFY(jeu.eureka());
        virdo::RejouerWindow &rejouer = *jeu.rejouer();
        QVERIFY(rejouer.isVisible());
        QCOMPARE(driver::shownText(rejouer.control(RejouerControl::nj)), prenom);
        if (partie == 1)
            premierRejouer = &rejouer;
        QCOMPARE(&rejouer, premierRejouer.data());

        QCOMPARE(jeu.principale(), nullptr);
        QVERIFY(!principale || !principale->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY2(principale.isNull(), "the main window was hidden, not unloaded");
        QCOMPARE(termine.count(), 0);

        if (partie < parties)
            DRIVER_STEP(driver::click(rejouer, RejouerControl::OUI));
    }
}

void TestFinPartie::ouiStartsAFreshGame_data()
{
    QTest::addColumn<bool>("joueurGagne");
    QTest::addColumn<QString>("tape");
    QTest::addColumn<QString>("nom");
    QTest::newRow("player won as Zoé") << true << QStringLiteral("Zoé") << QStringLiteral("Zoé");
    QTest::newRow("computer won against an empty name")
            << false << QString() << QStringLiteral("Joueur  Anonyme");
}

// OUI opens a new main window in its start state with the name already typed in, hides
// Rejouer and keeps it and the hidden Eureka, with its picture, loaded.
void TestFinPartie::ouiStartsAFreshGame()
{
    QFETCH(bool, joueurGagne);
    QFETCH(QString, tape);
    QFETCH(QString, nom);
    driver::Rig rig;
    auto &[son, hasard, messages, annonces, jeu, termine] = rig;
    DRIVER_STEP(driver::playGame(jeu, tape, joueurGagne));
    QPointer<virdo::VirdoWindow> ancienne = jeu.principale();
    const QImage image = driver::shownPicture(*jeu.eureka());
    QVERIFY(!image.isNull());
    DRIVER_STEP(driver::click(*ancienne, VirdoControl::FIN));
    QPointer<virdo::RejouerWindow> rejouer = jeu.rejouer();
    QPointer<virdo::EurekaWindow> eureka = jeu.eureka();
    const QStringList appelsAvant = son.calls;

    DRIVER_STEP(driver::click(*rejouer, RejouerControl::OUI));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QVERIFY(ancienne.isNull());
    virdo::VirdoWindow *principale = jeu.principale();
    QVERIFY(principale);
    QVERIFY(principale->isVisible());
    QCOMPARE(controlesAffiches(*principale),
             (QStringList{"Affichage", "BUT", "Bonjour", "Identite", "Label3", "Nombre", "ndj"}));
    QCOMPARE(driver::shownText(principale->control(VirdoControl::ndj)), nom);
    QCOMPARE(driver::shownText(principale->control(VirdoControl::Nombre)), QStringLiteral("0"));
    QCOMPARE(driver::shownText(principale->control(VirdoControl::BUT)), QString());
    for (const char *message : {"nj", "nombreordinateur", "nbj", "Accueil", "Tirage"})
        QCOMPARE(driver::shownText(driver::byName(*principale, QLatin1String(message))), QString());
    QCOMPARE(driver::shownText(principale->control(VirdoControl::Envoi)), QStringLiteral("Clique ici pour continuer"));
    for (int k = 1; k <= 8; ++k) {
        QVERIFY2(!principale->checkBox(virdo::caseProgramme(k))->isChecked(), qPrintable(QString::number(k)));
    }

    QVERIFY(rejouer && !rejouer->isVisible());
    QCOMPARE(jeu.rejouer(), rejouer.data());
    QVERIFY(eureka && !eureka->isVisible());
    QCOMPARE(jeu.eureka(), eureka.data());
    QVERIFY2(driver::shownPicture(*eureka) == image, "Eureka lost the picture of the last game");
    QCOMPARE(son.calls, appelsAvant); // still silent
    QCOMPARE(termine.count(), 0);
}

void TestFinPartie::nonEndsTheProgram_data()
{
    QTest::addColumn<int>("parties");
    QTest::newRow("after one game") << 1;
    QTest::newRow("after two games") << 2;
}

// NON unloads Rejouer and Eureka at once: no window is left and the program ends, silent.
void TestFinPartie::nonEndsTheProgram()
{
    QFETCH(int, parties);
    driver::Rig rig;
    auto &[son, hasard, messages, annonces, jeu, termine] = rig;
    for (int partie = 1; partie <= parties; ++partie) {
        if (partie > 1)
            DRIVER_STEP(driver::click(*jeu.rejouer(), RejouerControl::OUI));
        DRIVER_STEP(driver::playGame(jeu, partie == 1 ? std::optional(QStringLiteral("Max")) : std::nullopt, partie == 1));
        DRIVER_STEP(driver::click(*jeu.principale(), VirdoControl::FIN));
    }
    QPointer<virdo::RejouerWindow> rejouer = jeu.rejouer();
    QPointer<virdo::EurekaWindow> eureka = jeu.eureka();
    const QStringList appelsAvant = son.calls;
    QCOMPARE(termine.count(), 0);

    DRIVER_STEP(driver::click(*rejouer, RejouerControl::NON));

    QCOMPARE(termine.count(), 1);
    QVERIFY(!jeu.rejouer());
    QVERIFY(!jeu.eureka());
    QCOMPARE(jeu.principale(), nullptr);
    QVERIFY(!rejouer || !rejouer->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(rejouer.isNull());
    QVERIFY(eureka.isNull());
    DRIVER_NO_WINDOW_LEFT();
    QCOMPARE(son.calls, appelsAvant);
    QVERIFY(messages.shown.isEmpty());
}

void TestFinPartie::gamesInARow_data()
{
    QTest::addColumn<QString>("renomme"); // typed into Rejouer's nj before OUI; null: left alone
    QTest::addColumn<QString>("secondNom");
    QTest::newRow("name carried over") << QString() << QStringLiteral("Ambre");
    QTest::newRow("name changed in Rejouer") << QStringLiteral("Ambre-Lys") << QStringLiteral("Ambre-Lys");
    QTest::newRow("name emptied in Rejouer") << QStringLiteral("") << QStringLiteral("Joueur  Anonyme");
}

// Whole games one after another through OUI: each goes under the name Rejouer's nj held at
// the click, and each end of game starts its own tune again after the last FIN's stop.
void TestFinPartie::gamesInARow()
{
    QFETCH(QString, renomme);
    QFETCH(QString, secondNom);
    driver::Rig rig;
    auto &[son, hasard, messages, annonces, jeu, termine] = rig;
    DRIVER_STEP(driver::playGame(jeu, QStringLiteral("Ambre"), false));
    DRIVER_STEP(driver::click(*jeu.principale(), VirdoControl::FIN));
    virdo::RejouerWindow &rejouer = *jeu.rejouer();
    QCOMPARE(driver::shownText(rejouer.control(RejouerControl::nj)), QStringLiteral("Ambre"));
    if (!renomme.isNull())
        DRIVER_STEP(driver::typeInto(rejouer, RejouerControl::nj, renomme));
    DRIVER_STEP(driver::click(rejouer, RejouerControl::OUI));
    QCOMPARE(driver::shownText(jeu.principale()->control(VirdoControl::ndj)), renomme.isNull() ? QStringLiteral("Ambre") : renomme);
    // The new game starts from a fresh record, nothing of the finished one.
    QCOMPARE(jeu.partie().total, virdo::Nombre16(0));
    QCOMPARE(jeu.partie().objectif, virdo::Nombre16(0));
    QCOMPARE(jeu.partie().tour, virdo::Tour::Aucun);
    QVERIFY(jeu.partie().prenom.isEmpty());

    // The second game takes the name as it stands in ndj.
    DRIVER_STEP(driver::playGame(jeu, std::nullopt, true));
    virdo::VirdoWindow &principale = *jeu.principale();
    QCOMPARE(jeu.partie().prenom, secondNom);
    QCOMPARE(driver::shownText(principale.control(VirdoControl::nj)), driver::textesVictoire(true, secondNom).nj);
    QCOMPARE(driver::shownText(jeu.eureka()->control(EurekaControl::CRI)), driver::textesVictoire(true, secondNom).cri);
    QVERIFY(jeu.eureka()->isVisible());
    QVERIFY(driver::shownPicture(*jeu.eureka()) == driver::fileImage(QStringLiteral("Enfants.bmp")));
    QCOMPARE(son.playing, QStringLiteral("victoire.wav"));

    DRIVER_STEP(driver::click(principale, VirdoControl::FIN));
    QCOMPARE(jeu.rejouer(), &rejouer);
    QVERIFY(rejouer.isVisible());
    QCOMPARE(driver::shownText(rejouer.control(RejouerControl::nj)), secondNom);
    QVERIFY2(son.calls == (QStringList{"play:Son2.wav", "stop", "play:victoire.wav", "stop"}), qPrintable(jouees(son.calls)));
    QVERIFY(son.playing.isEmpty());
    QCOMPARE(termine.count(), 0);

    // Every OUI takes the name afresh from nj, not the one it took the time before.
    DRIVER_STEP(driver::typeInto(rejouer, RejouerControl::nj, QStringLiteral("Capucine")));
    DRIVER_STEP(driver::click(rejouer, RejouerControl::OUI));
    QCOMPARE(driver::shownText(jeu.principale()->control(VirdoControl::ndj)), QStringLiteral("Capucine"));
    QCOMPARE(termine.count(), 0);
}

QTEST_MAIN(TestFinPartie)
#include "tst_finpartie.moc"
