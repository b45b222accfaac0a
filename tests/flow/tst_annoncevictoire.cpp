// The end-of-game announcement, seen through the real windows of a game played to its end.

#include "driver.h"

#include "flow/jeu.h"
#include "windows/multilinebox.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QPointer>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include <functional>

namespace {

// Calls back when a top-level window of that name receives its Show event.
class EspionAffichage : public QObject
{
public:
    EspionAffichage(const QString &fenetre, std::function<void(QWidget *)> auShow)
        : m_fenetre(fenetre)
        , m_auShow(std::move(auShow))
    {
        qApp->installEventFilter(this);
    }
    ~EspionAffichage() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *objet, QEvent *event) override
    {
        if (event->type() == QEvent::Show && objet->isWidgetType() && objet->objectName() == m_fenetre) {
            auto *widget = static_cast<QWidget *>(objet);
            if (widget->isWindow())
                m_auShow(widget);
        }
        return false;
    }

private:
    QString m_fenetre;
    std::function<void(QWidget *)> m_auShow;
};

QString imageDuGagnant(bool joueurGagne)
{
    return joueurGagne ? QStringLiteral("Enfants.bmp") : QStringLiteral("chiffres.bmp");
}

QString sonDuGagnant(bool joueurGagne)
{
    return joueurGagne ? QStringLiteral("victoire.wav") : QStringLiteral("Son2.wav");
}

} // namespace

class TestAnnonceVictoire : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void stepsComeInOrder_data();
    void stepsComeInOrder();
    void winnerFiles_data();
    void winnerFiles();
    void winnerTexts_data();
    void winnerTexts();
    void secondAnnouncementReplacesTheFirst_data();
    void secondAnnouncementReplacesTheFirst();
    void focusGoesToFin_data();
    void focusGoesToFin();
};

void TestAnnonceVictoire::initTestCase()
{
    // The game reads its files by bare name from the folder it runs in.
    for (const char *fichier : {"Enfants.bmp", "chiffres.bmp", "victoire.wav", "Son2.wav"})
        QVERIFY2(QFile::exists(QLatin1String(fichier)), qPrintable(QDir::currentPath() + " lacks " + fichier));
    // Telling the two pictures apart needs two different pictures.
    QVERIFY(!driver::fileImage(imageDuGagnant(true)).isNull());
    QVERIFY(driver::fileImage(imageDuGagnant(true)) != driver::fileImage(imageDuGagnant(false)));
}

void TestAnnonceVictoire::cleanup()
{
    DRIVER_NO_WINDOW_LEFT();
}

void TestAnnonceVictoire::stepsComeInOrder_data()
{
    QTest::addColumn<bool>("joueurGagne");
    QTest::addColumn<bool>("partiePrecedente");
    QTest::newRow("player wins the first game") << true << false;
    QTest::newRow("computer wins the first game") << false << false;
    QTest::newRow("player wins after a computer win") << true << true;
    QTest::newRow("computer wins after a player win") << false << true;
}

// The picture is set before the victory window shows, the sound starts once it is
// visible, CRI is written last; the main window's texts and buttons come before all three.
void TestAnnonceVictoire::stepsComeInOrder()
{
    QFETCH(bool, joueurGagne);
    QFETCH(bool, partiePrecedente);
    driver::Rig rig;
    auto &[son, hasard, messages, annonces, jeu, termine] = rig;
    QString ancienCri;
    if (partiePrecedente) {
        // The earlier game was won by the other side: its picture and text are still there.
        DRIVER_STEP(driver::playGame(jeu, QStringLiteral("Inès"), !joueurGagne));
        DRIVER_STEP(driver::replay(jeu));
        ancienCri = driver::shownText(jeu.eureka()->control(EurekaControl::CRI));
        QVERIFY(!ancienCri.isEmpty());
    }
    // After OUI the name is already in ndj.
    const QString nom = QStringLiteral("Inès");
    const driver::TextesVictoire attendus = driver::textesVictoire(joueurGagne, nom);
    const QImage imageAttendue = driver::fileImage(imageDuGagnant(joueurGagne));
    const qsizetype appelsAvant = son.calls.size();

    DRIVER_STEP(driver::startGame(jeu, partiePrecedente ? std::nullopt : std::optional(nom), joueurGagne));
    QPointer<virdo::VirdoWindow> principale = jeu.principale();

    struct
    {
        int affichages = 0;
        QImage photo;
        qsizetype appels = -1;
        QString cri;
        QString nj;
        QString nombreordinateur;
        bool envoiVisible = true;
        bool finVisible = false;
    } auShow;
    EspionAffichage espion(QStringLiteral("Eureka"), [&](QWidget *eureka) {
        auto *fenetre = static_cast<virdo::EurekaWindow *>(eureka);
        ++auShow.affichages;
        auShow.photo = driver::shownPicture(*fenetre);
        auShow.appels = son.calls.size();
        auShow.cri = driver::shownText(fenetre->control(EurekaControl::CRI));
        auShow.nj = driver::shownText(principale->control(VirdoControl::nj));
        auShow.nombreordinateur = driver::shownText(principale->control(VirdoControl::nombreordinateur));
        auShow.envoiVisible = principale->control(VirdoControl::Envoi)->isVisible();
        auShow.finVisible = principale->control(VirdoControl::FIN)->isVisible();
    });

    struct
    {
        QStringList appels;
        bool eurekaVisible = false;
        QString cri;
        QImage photo;
    } auSon;
    son.onCall = [&](const QString &appel) {
        auSon.appels << appel;
        if (!jeu.eureka())
            return;
        auSon.eurekaVisible = jeu.eureka()->isVisible();
        auSon.cri = driver::shownText(jeu.eureka()->control(EurekaControl::CRI));
        auSon.photo = driver::shownPicture(*jeu.eureka());
    };

    DRIVER_STEP(driver::playToEnd(jeu, joueurGagne));
    son.onCall = nullptr;

    QCOMPARE(auShow.affichages, 1);
    QVERIFY2(auShow.photo == imageAttendue, "the winner's picture was not in Photo when Eureka showed");
    QCOMPARE(auShow.appels, appelsAvant); // no sound before the window is up
    QCOMPARE(auShow.cri, ancienCri);
    QCOMPARE(auShow.nj, attendus.nj);
    QCOMPARE(auShow.nombreordinateur, attendus.nombreordinateur);
    QVERIFY(!auShow.envoiVisible);
    QVERIFY(auShow.finVisible);

    QCOMPARE(auSon.appels, QStringList{QStringLiteral("play:") + sonDuGagnant(joueurGagne)});
    QVERIFY2(auSon.eurekaVisible, "the sound started before Eureka was visible");
    QCOMPARE(auSon.cri, ancienCri); // CRI comes after the sound
    QVERIFY(auSon.photo == imageAttendue);

    QCOMPARE(driver::shownText(jeu.eureka()->control(EurekaControl::CRI)), attendus.cri);
    QVERIFY(jeu.eureka()->isVisible());
    QVERIFY(principale->isVisible());
    QVERIFY(!principale->control(VirdoControl::Envoi)->isVisible());
    QVERIFY(!principale->control(VirdoControl::nbj)->isVisible());
    QVERIFY(principale->control(VirdoControl::FIN)->isVisible());
    QCOMPARE(driver::shownText(principale->control(VirdoControl::FIN)), QStringLiteral("Suite ou FIN"));
    QCOMPARE(driver::shownText(principale->control(VirdoControl::Nombre)), QStringLiteral(" 100"));
}

void TestAnnonceVictoire::winnerFiles_data()
{
    QTest::addColumn<bool>("joueurGagne");
    QTest::addColumn<QString>("image");
    QTest::addColumn<QString>("son");
    QTest::newRow("player wins") << true << QStringLiteral("Enfants.bmp") << QStringLiteral("victoire.wav");
    QTest::newRow("computer wins") << false << QStringLiteral("chiffres.bmp") << QStringLiteral("Son2.wav");
}

// Each winner has its own picture in Photo and its own tune, asked for once and looping on.
void TestAnnonceVictoire::winnerFiles()
{
    QFETCH(bool, joueurGagne);
    QFETCH(QString, image);
    QFETCH(QString, son);
    driver::Rig rig;
    auto &[enregistreur, hasard, messages, annonces, jeu, termine] = rig;
    DRIVER_STEP(driver::playGame(jeu, QStringLiteral("Noé"), joueurGagne));

    QVERIFY2(driver::shownPicture(*jeu.eureka()) == driver::fileImage(image), qPrintable("Photo does not show " + image));
    QCOMPARE(enregistreur.calls, QStringList{QStringLiteral("play:") + son});
    QCOMPARE(enregistreur.playing, son);
    QVERIFY(messages.shown.isEmpty());
}

void TestAnnonceVictoire::winnerTexts_data()
{
    QTest::addColumn<bool>("joueurGagne");
    QTest::addColumn<QString>("tape");
    QTest::addColumn<QString>("nj");
    QTest::addColumn<QString>("nombreordinateur");
    QTest::addColumn<QString>("cri");
    QTest::addColumn<QStringList>("lignesCri");

    // An empty name box gives "Joueur  Anonyme", two blanks in the middle.
    QTest::newRow("Joueur  Anonyme wins")
            << true << QString() << QStringLiteral("Moi, Joueur  Anonyme, j'ai vaincu l'ordinateur ! ")
            << QStringLiteral("Hélas, moi, l'ordinateur, j'ai été vaincu par Joueur  Anonyme !")
            << QStringLiteral("Moi, Joueur  Anonyme,\r\nj'ai vaincu l'ordinateur ! ")
            << QStringList{QStringLiteral("Moi, Joueur  Anonyme,"), QStringLiteral("j'ai vaincu l'ordinateur ! ")};
    QTest::newRow("computer beats Joueur  Anonyme")
            << false << QString() << QStringLiteral("Désolé, Joueur  Anonyme, tu as perdu !!!")
            << QStringLiteral("et moi l'ordinateur, j'ai gagné !")
            << QStringLiteral("Moi, l'ordinateur, j'ai vaincu \r\nJoueur  Anonyme")
            << QStringList{QStringLiteral("Moi, l'ordinateur, j'ai vaincu "), QStringLiteral("Joueur  Anonyme")};
    // The name is used exactly as typed, accents and blanks at its edges included.
    QTest::newRow("Zoé wins")
            << true << QStringLiteral(" Zoé ") << QStringLiteral("Moi,  Zoé , j'ai vaincu l'ordinateur ! ")
            << QStringLiteral("Hélas, moi, l'ordinateur, j'ai été vaincu par  Zoé  !")
            << QStringLiteral("Moi,  Zoé ,\r\nj'ai vaincu l'ordinateur ! ")
            << QStringList{QStringLiteral("Moi,  Zoé ,"), QStringLiteral("j'ai vaincu l'ordinateur ! ")};
    QTest::newRow("computer beats Zoé")
            << false << QStringLiteral("Zoé") << QStringLiteral("Désolé, Zoé, tu as perdu !!!")
            << QStringLiteral("et moi l'ordinateur, j'ai gagné !")
            << QStringLiteral("Moi, l'ordinateur, j'ai vaincu \r\nZoé")
            << QStringList{QStringLiteral("Moi, l'ordinateur, j'ai vaincu "), QStringLiteral("Zoé")};
}

// The winner's words, byte for byte, in nj, nombreordinateur and CRI, which shows them as
// two centred lines.
void TestAnnonceVictoire::winnerTexts()
{
    QFETCH(bool, joueurGagne);
    QFETCH(QString, tape);
    QFETCH(QString, nj);
    QFETCH(QString, nombreordinateur);
    QFETCH(QString, cri);
    QFETCH(QStringList, lignesCri);
    driver::Rig rig;
    auto &[son, hasard, messages, annonces, jeu, termine] = rig;
    DRIVER_STEP(driver::playGame(jeu, tape, joueurGagne));

    virdo::VirdoWindow &principale = *jeu.principale();
    QCOMPARE(driver::shownText(principale.control(VirdoControl::nj)), nj);
    QCOMPARE(driver::shownText(principale.control(VirdoControl::nombreordinateur)), nombreordinateur);
    QVERIFY(principale.control(VirdoControl::nj)->isVisible());
    QVERIFY(principale.control(VirdoControl::nombreordinateur)->isVisible());
    QCOMPARE(driver::shownText(jeu.eureka()->control(EurekaControl::CRI)), cri);

    const QTextDocument *document = qobject_cast<virdo::MultiLineBox *>(jeu.eureka()->control(EurekaControl::CRI))->document();
    QStringList lignes;
    for (QTextBlock bloc = document->begin(); bloc.isValid(); bloc = bloc.next()) {
        lignes << bloc.text();
        QVERIFY(bloc.blockFormat().alignment() & Qt::AlignHCenter
                || document->defaultTextOption().alignment() & Qt::AlignHCenter);
    }
    QCOMPARE(lignes, lignesCri);
}

void TestAnnonceVictoire::secondAnnouncementReplacesTheFirst_data()
{
    QTest::addColumn<bool>("premierGagnant");
    QTest::addColumn<bool>("secondGagnant");
    QTest::newRow("player, then computer") << true << false;
    QTest::newRow("computer, then player") << false << true;
    QTest::newRow("computer twice") << false << false;
}

// A game won again before FIN (the box ticked anew and played to the target) replaces the
// tune, the picture and CRI in the one victory window: never two tunes, never two windows.
void TestAnnonceVictoire::secondAnnouncementReplacesTheFirst()
{
    QFETCH(bool, premierGagnant);
    QFETCH(bool, secondGagnant);
    driver::Rig rig;
    auto &[son, hasard, messages, annonces, jeu, termine] = rig;
    DRIVER_STEP(driver::playGame(jeu, QStringLiteral("Léo"), premierGagnant));
    QPointer<virdo::EurekaWindow> eureka = jeu.eureka();
    virdo::VirdoWindow &principale = *jeu.principale();

    // FIN is left alone: the player chooses the program again and plays on.
    DRIVER_STEP(driver::click(principale, VirdoControl::Check1));
    QCOMPARE(int(jeu.partie().total), 0); // Nombre keeps " 100" until the next move
    DRIVER_STEP(driver::click(principale, secondGagnant ? VirdoControl::Joueur : VirdoControl::Ordinateur));
    DRIVER_STEP(driver::playToEnd(jeu, secondGagnant));

    QCOMPARE(son.calls, (QStringList{QStringLiteral("play:") + sonDuGagnant(premierGagnant),
                                     QStringLiteral("play:") + sonDuGagnant(secondGagnant)}));
    QCOMPARE(son.playing, sonDuGagnant(secondGagnant));
    QCOMPARE(jeu.eureka(), eureka.data());
    QVERIFY(eureka->isVisible());
    QVERIFY(driver::shownPicture(*eureka) == driver::fileImage(imageDuGagnant(secondGagnant)));
    QCOMPARE(driver::shownText(eureka->control(EurekaControl::CRI)), driver::textesVictoire(secondGagnant, QStringLiteral("Léo")).cri);
    int victoires = 0;
    for (const QWidget *w : QApplication::topLevelWidgets())
        victoires += w->objectName() == QLatin1String("Eureka");
    QCOMPARE(victoires, 1);
}

void TestAnnonceVictoire::focusGoesToFin_data()
{
    QTest::addColumn<bool>("joueurGagne");
    QTest::newRow("player wins") << true;
    QTest::newRow("computer wins") << false;
}

// The winning click leaves the focus on FIN, the next click, not on a selected name in ndj.
void TestAnnonceVictoire::focusGoesToFin()
{
    QFETCH(bool, joueurGagne);
    driver::Rig rig;
    DRIVER_STEP(driver::playGame(rig.jeu, QStringLiteral("Noé"), joueurGagne));
    virdo::VirdoWindow *fenetre = rig.jeu.principale();

    QCOMPARE(fenetre->focusWidget(), fenetre->control(VirdoControl::FIN));
    QCOMPARE(fenetre->textBox(VirdoControl::ndj)->selectedText(), QString());
}

QTEST_MAIN(TestAnnonceVictoire)
#include "tst_annoncevictoire.moc"
