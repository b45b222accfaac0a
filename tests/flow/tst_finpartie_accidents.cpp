// What the end of a game does when a game file is missing or broken, and when the player
// closes a window through its frame instead of answering with FIN, OUI or NON.

#include "oddfiles.h"
#include "driver.h"

#include "flow/jeu.h"
#include "media/pluginsoundplayer.h"
#include "media/qtsoundplayer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace {

const QStringList fichiersDuJeu{"Enfants.bmp", "chiffres.bmp", "victoire.wav", "Son2.wav"};

QByteArray contenu(const QString &chemin)
{
    QFile file(chemin);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Read fresh from the file, past any cache keyed by its name.
QImage imageSurDisque(const QString &chemin)
{
    return QImage(chemin).convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestFinPartieAccidents : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void unreadablePictureKeepsTheOldOne_data();
    void unreadablePictureKeepsTheOldOne();
    void pictureReplacedOnDiskIsReadAgain();
    void missingSoundLetsTheGameGoOn_data();
    void missingSoundLetsTheGameGoOn();
    void missingSoundPluginLetsTheGameGoOn_data();
    void missingSoundPluginLetsTheGameGoOn();
    void closingRejouerIsLikeNon();
    void closingTheMainWindowEndsTheProgram_data();
    void closingTheMainWindowEndsTheProgram();
    void closingEurekaHidesAndSilencesIt();
    void secondClickActsOnce_data();
    void secondClickActsOnce();

private:
    // Puts the game files, as named, into the game's folder, with the given contents.
    bool preparer(const QMap<QString, QByteArray> &fichiers);
    void deuxParties(virdo::SoundPlayer &son, bool joueurGagne, const std::function<void(int)> &aLaVictoire);

    QString m_dossierDuJeu;
    QMap<QString, QByteArray> m_originaux;
    std::unique_ptr<QTemporaryDir> m_dossier;
};

void TestFinPartieAccidents::initTestCase()
{
    m_dossierDuJeu = QDir::currentPath();
    for (const QString &fichier : fichiersDuJeu) {
        m_originaux[fichier] = contenu(fichier);
        QVERIFY2(!m_originaux[fichier].isEmpty(), qPrintable(m_dossierDuJeu + " lacks " + fichier));
    }
}

void TestFinPartieAccidents::init()
{
    // Each test plays in a folder of its own, holding only the files it chooses.
    m_dossier = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dossier->isValid());
    QVERIFY(QDir::setCurrent(m_dossier->path()));
}

void TestFinPartieAccidents::cleanup()
{
    QDir::setCurrent(m_dossierDuJeu);
    m_dossier.reset();
    DRIVER_NO_WINDOW_LEFT();
}

bool TestFinPartieAccidents::preparer(const QMap<QString, QByteArray> &fichiers)
{
    for (auto it = fichiers.cbegin(); it != fichiers.cend(); ++it) {
        if (!oddfiles::writeFile(m_dossier->filePath(it.key()), it.value()))
            return false;
    }
    return true;
}

void TestFinPartieAccidents::unreadablePictureKeepsTheOldOne_data()
{
    // In the folder besides the sounds; the first game, if any, is won by the computer and
    // shows the good chiffres.bmp, the game under test is won by the player.
    QTest::addColumn<QByteArray>("enfants"); // null: no such file
    QTest::addColumn<bool>("partiePrecedente");
    QTest::newRow("missing, first game") << QByteArray() << false;
    QTest::newRow("garbage, first game") << oddfiles::noise(4000) << false;
    QTest::newRow("missing, after a computer win") << QByteArray() << true;
    QTest::newRow("garbage, after a computer win") << oddfiles::noise(4000) << true;
    QTest::newRow("empty file, after a computer win") << QByteArray("") << true;
    QTest::newRow("cut in the middle, after a computer win") << QByteArray("cut") << true;
}

// A picture that cannot be read leaves Photo as it was, and the rest of the announcement
// still happens: window shown, tune started, texts written, FIN offered; no error box.
void TestFinPartieAccidents::unreadablePictureKeepsTheOldOne()
{
    QFETCH(QByteArray, enfants);
    QFETCH(bool, partiePrecedente);
    QMap<QString, QByteArray> fichiers{{"chiffres.bmp", m_originaux["chiffres.bmp"]},
                                       {"victoire.wav", m_originaux["victoire.wav"]},
                                       {"Son2.wav", m_originaux["Son2.wav"]}};
    if (enfants == "cut")
        enfants = m_originaux["Enfants.bmp"].left(40);
    if (!enfants.isNull())
        fichiers["Enfants.bmp"] = enfants;
    QVERIFY(preparer(fichiers));
    QVERIFY(QImageReader(QStringLiteral("Enfants.bmp")).read().isNull());

    driver::Rig rig;
    auto &[son, hasard, messages, annonces, jeu, termine] = rig;
    QImage avant; // what Photo held before the game under test ended
    if (partiePrecedente) {
        DRIVER_STEP(driver::playGame(jeu, QStringLiteral("Yanis"), false));
        avant = driver::shownPicture(*jeu.eureka());
        QVERIFY(avant == imageSurDisque(QStringLiteral("chiffres.bmp")));
        DRIVER_STEP(driver::replay(jeu));
    }
    son.calls.clear();

    DRIVER_STEP(driver::playGame(jeu, QStringLiteral("Yanis"), true));

    QVERIFY(jeu.eureka()->isVisible());
    QVERIFY2(driver::shownPicture(*jeu.eureka()) == avant, "Photo changed although the file could not be read");
    QCOMPARE(son.calls, QStringList{"play:victoire.wav"});
    const driver::TextesVictoire victoire = driver::textesVictoire(true, QStringLiteral("Yanis"));
    QCOMPARE(driver::shownText(jeu.eureka()->control(EurekaControl::CRI)), victoire.cri);
    virdo::VirdoWindow &principale = *jeu.principale();
    QCOMPARE(driver::shownText(principale.control(VirdoControl::nj)), victoire.nj);
    QCOMPARE(driver::shownText(principale.control(VirdoControl::nombreordinateur)), victoire.nombreordinateur);
    QVERIFY(!principale.control(VirdoControl::Envoi)->isVisible());
    QVERIFY(messages.shown.isEmpty());

    // And the game can be left as usual.
    DRIVER_STEP(driver::click(principale, VirdoControl::FIN));
    QVERIFY(jeu.rejouer()->isVisible());
    QCOMPARE(son.calls.last(), QStringLiteral("stop"));
}

// Each end of game reads its picture from disk again: a file replaced between two games
// shows its new content.
void TestFinPartieAccidents::pictureReplacedOnDiskIsReadAgain()
{
    QVERIFY(preparer({{"Enfants.bmp", m_originaux["Enfants.bmp"]}}));
    driver::Rig rig;
    auto &[son, hasard, messages, annonces, jeu, termine] = rig;
    DRIVER_STEP(driver::playGame(jeu, QStringLiteral("Mia"), true));
    QVERIFY(driver::shownPicture(*jeu.eureka()) == imageSurDisque(QStringLiteral("Enfants.bmp")));
    DRIVER_STEP(driver::replay(jeu));

    // Same name, same size: only the content tells the two apart.
    QVERIFY(preparer({{"Enfants.bmp", m_originaux["chiffres.bmp"]}}));
    DRIVER_STEP(driver::playGame(jeu, std::nullopt, true));
    const QImage nouvelle = imageSurDisque(QStringLiteral("Enfants.bmp"));
    QVERIFY(nouvelle == imageSurDisque(m_dossierDuJeu + QStringLiteral("/chiffres.bmp")));
    QVERIFY2(driver::shownPicture(*jeu.eureka()) == nouvelle, "Photo shows the picture of the earlier game");
}

void TestFinPartieAccidents::missingSoundLetsTheGameGoOn_data()
{
    QTest::addColumn<bool>("joueurGagne");
    QTest::newRow("no victoire.wav, player wins") << true;
    QTest::newRow("no Son2.wav, computer wins") << false;
}

// Two games played with this sound player, each through FIN and OUI: the announcement is
// complete every time, no box opens and the game goes on. aLaVictoire looks at the sound
// of game n while its victory is on screen.
void TestFinPartieAccidents::deuxParties(virdo::SoundPlayer &son, bool joueurGagne,
                                         const std::function<void(int)> &aLaVictoire)
{
    driver::Rig rig(son);
    auto &[enregistreur, hasard, messages, annonces, jeu, termine] = rig;
    for (int partie = 1; partie <= 2; ++partie) {
        DRIVER_STEP(driver::playGame(jeu, QStringLiteral("Sacha"), joueurGagne));
        QVERIFY(jeu.eureka()->isVisible());
        QVERIFY(driver::shownPicture(*jeu.eureka())
                == imageSurDisque(joueurGagne ? QStringLiteral("Enfants.bmp") : QStringLiteral("chiffres.bmp")));
        QVERIFY(driver::shownText(jeu.eureka()->control(EurekaControl::CRI)).contains(QStringLiteral("Sacha")));
        aLaVictoire(partie);
        if (QTest::currentTestFailed())
            return;
        // The player can still act while the failed tune is around.
        QVERIFY(jeu.principale()->control(VirdoControl::FIN)->isEnabled());
        DRIVER_STEP(driver::click(*jeu.principale(), VirdoControl::FIN));
        QVERIFY(jeu.rejouer()->isVisible());
        DRIVER_STEP(driver::click(*jeu.rejouer(), RejouerControl::OUI));
    }
    QVERIFY(messages.shown.isEmpty());
    QCOMPARE(termine.count(), 0);
    QVERIFY(jeu.principale() && jeu.principale()->isVisible());
}

// With the real sound player and no wave file, the tune is refused and nothing loops.
void TestFinPartieAccidents::missingSoundLetsTheGameGoOn()
{
    QFETCH(bool, joueurGagne);
    QVERIFY(preparer({{"Enfants.bmp", m_originaux["Enfants.bmp"]}, {"chiffres.bmp", m_originaux["chiffres.bmp"]}}));
    virdo::QtSoundPlayer son;
    QSignalSpy boucles(&son, &virdo::QtSoundPlayer::looping);
    QSignalSpy refus(&son, &virdo::QtSoundPlayer::refused);
    deuxParties(son, joueurGagne, [&](int partie) {
        QTRY_COMPARE(refus.count(), partie);
        QCOMPARE(boucles.count(), 0);
    });
    QCOMPARE(boucles.count(), 0);
}

void TestFinPartieAccidents::missingSoundPluginLetsTheGameGoOn_data()
{
    QTest::addColumn<QString>("sousLeNom");
    QTest::newRow("no plugin") << QStringLiteral("rien");
    QTest::newRow("a file that is no library") << QStringLiteral("texte");
    QTest::newRow("a folder") << QStringLiteral("dossier");
}

// Without its sound plugin the game says so once on stderr when the first game begins,
// then plays every game in silence, as if nothing were amiss.
void TestFinPartieAccidents::missingSoundPluginLetsTheGameGoOn()
{
    QFETCH(QString, sousLeNom);
    QVERIFY(preparer({{"Enfants.bmp", m_originaux["Enfants.bmp"]}, {"chiffres.bmp", m_originaux["chiffres.bmp"]},
                      {"Son2.wav", m_originaux["Son2.wav"]}}));
    const QString module = m_dossier->filePath(QStringLiteral("libvirdosound.so"));
    if (sousLeNom == QLatin1String("texte"))
        QVERIFY(oddfiles::writeFile(module, "Ceci n'est pas un module."));
    else if (sousLeNom == QLatin1String("dossier"))
        QVERIFY(QDir(m_dossier->path()).mkdir(QStringLiteral("libvirdosound.so")));
    virdo::PluginSoundPlayer son(module);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^module de son introuvable ou illisible : ")
                                                          + QRegularExpression::escape(module)));
    deuxParties(son, false, [](int) {});
}

// Closing Rejouer through its frame means no more games, exactly as NON: every window
// unloaded and the program ends.
void TestFinPartieAccidents::closingRejouerIsLikeNon()
{
    QVERIFY(preparer({{"chiffres.bmp", m_originaux["chiffres.bmp"]}}));
    driver::Rig rig;
    auto &[son, hasard, messages, annonces, jeu, termine] = rig;
    DRIVER_STEP(driver::playGame(jeu, QStringLiteral("Nina"), false));
    DRIVER_STEP(driver::click(*jeu.principale(), VirdoControl::FIN));
    QPointer<virdo::RejouerWindow> rejouer = jeu.rejouer();
    QPointer<virdo::EurekaWindow> eureka = jeu.eureka();
    QVERIFY(rejouer->isVisible());

    rejouer->close();

    QCOMPARE(termine.count(), 1);
    QVERIFY(!jeu.rejouer());
    QVERIFY(!jeu.eureka());
    QCOMPARE(jeu.principale(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(rejouer.isNull());
    QVERIFY(eureka.isNull());
    DRIVER_NO_WINDOW_LEFT();
    QVERIFY(son.playing.isEmpty());
}

void TestFinPartieAccidents::closingTheMainWindowEndsTheProgram_data()
{
    QTest::addColumn<QString>("moment");
    QTest::newRow("at start") << QStringLiteral("start");
    QTest::newRow("after the greeting") << QStringLiteral("greeting");
    QTest::newRow("mid-game") << QStringLiteral("mid-game");
    QTest::newRow("game over, tune playing") << QStringLiteral("over");
    QTest::newRow("game over, Eureka closed first") << QStringLiteral("over, Eureka closed");
    QTest::newRow("second game, mid-game") << QStringLiteral("second game");
}

// Closing the main window through its frame ends the program whenever it happens: the tune
// is silenced and no window, hidden or not, is left behind.
void TestFinPartieAccidents::closingTheMainWindowEndsTheProgram()
{
    QFETCH(QString, moment);
    QVERIFY(preparer({{"Enfants.bmp", m_originaux["Enfants.bmp"]}, {"chiffres.bmp", m_originaux["chiffres.bmp"]}}));
    driver::Rig rig;
    auto &[son, hasard, messages, annonces, jeu, termine] = rig;
    jeu.demarrer();

    if (moment == QLatin1String("greeting")) {
        DRIVER_STEP(driver::click(*jeu.principale(), VirdoControl::Identite));
    } else if (moment == QLatin1String("mid-game")) {
        DRIVER_STEP(driver::startGame(jeu, QStringLiteral("Tom"), true));
        DRIVER_STEP(driver::typeInto(*jeu.principale(), VirdoControl::nbj, QStringLiteral("1")));
        DRIVER_STEP(driver::click(*jeu.principale(), VirdoControl::Envoi));
    } else if (moment.startsWith(QLatin1String("over"))) {
        DRIVER_STEP(driver::playGame(jeu, QStringLiteral("Tom"), true));
        QCOMPARE(son.playing, QStringLiteral("victoire.wav"));
        if (moment.endsWith(QLatin1String("Eureka closed")))
            jeu.eureka()->close();
    } else if (moment == QLatin1String("second game")) {
        DRIVER_STEP(driver::playGame(jeu, QStringLiteral("Tom"), false));
        DRIVER_STEP(driver::replay(jeu));
        DRIVER_STEP(driver::startGame(jeu, std::nullopt, false));
        DRIVER_STEP(driver::click(*jeu.principale(), VirdoControl::Envoi));
    }
    const bool tuneWasPlaying = !son.playing.isEmpty();
    QPointer<virdo::VirdoWindow> principale = jeu.principale();
    QVERIFY(principale && principale->isVisible());
    QCOMPARE(termine.count(), 0);

    principale->close();

    QVERIFY(son.playing.isEmpty());
    if (tuneWasPlaying)
        QCOMPARE(son.calls.last(), QStringLiteral("stop"));
    QCOMPARE(termine.count(), 1);
    QCOMPARE(jeu.principale(), nullptr);
    QVERIFY(!jeu.rejouer());
    QVERIFY(!jeu.eureka());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(principale.isNull());
    DRIVER_NO_WINDOW_LEFT();
    QVERIFY(messages.shown.isEmpty());
}

// Closing Eureka through its frame before FIN hides it and silences the tune: the game is
// still over, FIN leaves it as usual, and the next victory shows Eureka again.
void TestFinPartieAccidents::closingEurekaHidesAndSilencesIt()
{
    QVERIFY(preparer({{"Enfants.bmp", m_originaux["Enfants.bmp"]}, {"chiffres.bmp", m_originaux["chiffres.bmp"]}}));
    driver::Rig rig;
    auto &[son, hasard, messages, annonces, jeu, termine] = rig;
    DRIVER_STEP(driver::playGame(jeu, QStringLiteral("Jade"), false));
    QPointer<virdo::EurekaWindow> eureka = jeu.eureka();
    eureka->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QVERIFY(eureka);
    QVERIFY(!eureka->isVisible());
    QCOMPARE(son.calls, (QStringList{"play:Son2.wav", "stop"}));
    QVERIFY(son.playing.isEmpty());
    QCOMPARE(termine.count(), 0);
    virdo::VirdoWindow &principale = *jeu.principale();
    QVERIFY(principale.isVisible());
    QVERIFY(principale.control(VirdoControl::FIN)->isVisible());

    DRIVER_STEP(driver::click(principale, VirdoControl::FIN));
    QVERIFY(jeu.rejouer()->isVisible());
    QCOMPARE(driver::shownText(jeu.rejouer()->control(RejouerControl::nj)), QStringLiteral("Jade"));
    QCOMPARE(son.calls, (QStringList{"play:Son2.wav", "stop", "stop"}));
    QCOMPARE(jeu.eureka(), eureka.data());
    QVERIFY(!eureka->isVisible());

    DRIVER_STEP(driver::click(*jeu.rejouer(), RejouerControl::OUI));
    DRIVER_STEP(driver::playGame(jeu, std::nullopt, true));
    QCOMPARE(jeu.eureka(), eureka.data());
    QVERIFY(eureka->isVisible());
    QVERIFY(driver::shownPicture(*eureka) == imageSurDisque(QStringLiteral("Enfants.bmp")));
    QCOMPARE(termine.count(), 0);
}

void TestFinPartieAccidents::secondClickActsOnce_data()
{
    QTest::addColumn<QString>("bouton");
    QTest::newRow("FIN") << QStringLiteral("FIN");
    QTest::newRow("OUI") << QStringLiteral("OUI");
    QTest::newRow("NON") << QStringLiteral("NON");
}

// An impatient double click: the second click reaches the button after the first one has
// hidden it. It does nothing; above all OUI never loads a second main window, which would
// be left behind, the program running, once the game ends.
void TestFinPartieAccidents::secondClickActsOnce()
{
    QFETCH(QString, bouton);
    QVERIFY(preparer({{"chiffres.bmp", m_originaux["chiffres.bmp"]}}));
    driver::Rig rig;
    auto &[son, hasard, messages, annonces, jeu, termine] = rig;
    const auto doubleClic = [](virdo::GameWindow &fenetre, const QString &nom) {
        auto *b = qobject_cast<QAbstractButton *>(driver::byName(fenetre, nom));
        b->click();
        b->click();
    };

    DRIVER_STEP(driver::playGame(jeu, QStringLiteral("Lina"), false));
    if (bouton == QLatin1String("FIN")) {
        doubleClic(*jeu.principale(), bouton);
        QCOMPARE(jeu.principale(), nullptr);
        QVERIFY(jeu.rejouer()->isVisible());
        QCOMPARE(son.calls, (QStringList{"play:Son2.wav", "stop"}));
        return;
    }
    DRIVER_STEP(driver::click(*jeu.principale(), VirdoControl::FIN));
    doubleClic(*jeu.rejouer(), bouton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (bouton == QLatin1String("NON")) {
        QCOMPARE(termine.count(), 1);
        return;
    }

    int principales = 0;
    for (QWidget *fenetre : QApplication::topLevelWidgets())
        principales += fenetre->objectName() == QLatin1String("VIRDO");
    QCOMPARE(principales, 1);
    QCOMPARE(driver::shownText(jeu.principale()->control(VirdoControl::ndj)), QStringLiteral("Lina"));
    // The game goes on and ends as usual, with nothing left behind.
    DRIVER_STEP(driver::playGame(jeu, std::nullopt, false));
    DRIVER_STEP(driver::click(*jeu.principale(), VirdoControl::FIN));
    DRIVER_STEP(driver::click(*jeu.rejouer(), RejouerControl::NON));
    QCOMPARE(termine.count(), 1);
}

QTEST_MAIN(TestFinPartieAccidents)
#include "tst_finpartie_accidents.moc"
