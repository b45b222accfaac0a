// What a child who cannot see the screen is told at each step of a game: one announcement
// per change, for the window that changed, made of the texts that window now shows, in the
// order a listener needs them, the one that asks the child to act last.

#include "flowtest.h"

#include "windows/toolkit.h"

#include <functional>

using namespace flowtest;

namespace {

using Annonce = RecordingAnnouncer::Annonce;

// The text a control shows, or a complaint that no child can see it.
QString montre(const QWidget *controle)
{
    if (!controle->isVisible())
        return controle->objectName() + QStringLiteral(" (not on screen)");
    return driver::shownText(controle);
}

// A number is heard with the label beside it, as the eye reads them together.
QString total(Rig &rig)
{
    return montre(rig.control(VirdoControl::Affichage)) + montre(rig.control(VirdoControl::Nombre));
}

QString objectif(Rig &rig)
{
    return montre(rig.control(VirdoControl::Label3)) + montre(rig.control(VirdoControl::BUT));
}

} // namespace

class TstAnnonces : public QObject
{
    Q_OBJECT

    std::unique_ptr<Rig> rig;

    // Runs one gesture and compares what it announced with what is then on screen.
    void etape(const char *quoi, const std::function<QString()> &geste,
               const std::function<QList<Annonce>()> &attendu)
    {
        const qsizetype avant = rig->annonces.annonces.size();
        DRIVER_STEP(geste());
        const QList<Annonce> faites = rig->annonces.annonces.mid(avant);
        QVERIFY2(faites == attendu(), quoi);
    }

    Annonce principale(QStringList textes) { return {QStringLiteral("VIRDO"), textes}; }
    QString ctl(VirdoControl nom) { return montre(rig->control(nom)); }

    // The end of a game in the main window, then who won as the victory window opens.
    QList<Annonce> fin()
    {
        return {principale({total(*rig), ctl(VirdoControl::nj), ctl(VirdoControl::nombreordinateur),
                            ctl(VirdoControl::FIN)}),
                {QStringLiteral("Eureka"), {montre(rig->jeu.eureka()->control(EurekaControl::CRI))}}};
    }

private slots:
    void init() { rig = std::make_unique<Rig>(); }
    void cleanup() { verifyNoWindowLeft(rig); }

    // The child starts, has one number refused, wins, then leaves after the replay question.
    void partieGagneeParLEnfant()
    {
        etape("start", [this] { rig->jeu.demarrer(); return QString(); },
              [this] { return QList{principale({ctl(VirdoControl::Bonjour)})}; });
        DRIVER_STEP(driver::typeInto(rig->textBox(VirdoControl::ndj), QStringLiteral("Zoé")));
        etape("<<<", [this] { return driver::click(rig->control(VirdoControl::Identite)); },
              [this] { return QList{principale({ctl(VirdoControl::Accueil), ctl(VirdoControl::Tirage)})}; });
        etape("Check1", [this] { return driver::click(rig->programBox(1)); }, [this] {
            return QList{principale({ctl(VirdoControl::Accueil), objectif(*rig), ctl(VirdoControl::Tirage)})};
        });
        etape("Joueur", [this] { return driver::click(rig->control(VirdoControl::Joueur)); }, [this] {
            return QList{principale({ctl(VirdoControl::nombreordinateur), ctl(VirdoControl::nj)})};
        });
        // The Erreur box speaks for itself; then the child hears it is still his turn.
        etape("11 refused", [this] { return driver::playNumber(rig->jeu, QStringLiteral("11")); },
              [this] { return QList{principale({ctl(VirdoControl::nj)})}; });
        QCOMPARE(rig->messages.shown.size(), 1);
        // From 1, answering each 1 of the computer with 10 reaches 100 first.
        for (int tour = 0; tour < 9; ++tour) {
            const QString nombre = tour == 0 ? QStringLiteral("1") : QStringLiteral("10");
            etape("the child's number", [&] { return driver::playNumber(rig->jeu, nombre); }, [this] {
                return QList{principale({total(*rig), ctl(VirdoControl::nj), ctl(VirdoControl::nombreordinateur)})};
            });
            etape("the computer's number", [this] { return driver::click(rig->control(VirdoControl::Envoi)); },
                  [this] {
                      return QList{principale({ctl(VirdoControl::nombreordinateur), total(*rig), ctl(VirdoControl::nj)})};
                  });
        }
        etape("the winning number", [this] { return driver::playNumber(rig->jeu, QStringLiteral("10")); }, [this] { return fin(); });
        QCOMPARE(rig->partie().total, 100);
        etape("FIN", [this] { return driver::click(rig->control(VirdoControl::FIN)); }, [this] {
            return QList<Annonce>{{QStringLiteral("Rejouer"), {montre(rig->jeu.rejouer()->control(RejouerControl::Label1))}}};
        });
        etape("OUI", [this] { return driver::click(rig->jeu.rejouer()->control(RejouerControl::OUI)); },
              [this] { return QList{principale({ctl(VirdoControl::Bonjour)})}; });
    }

    // The computer starts and wins: its last number is heard as the total that ends the game.
    void partieGagneeParLOrdinateur()
    {
        DRIVER_STEP(driver::greet(rig->jeu, std::nullopt));
        DRIVER_STEP(driver::click(rig->programBox(1)));
        etape("Ordinateur", [this] { return driver::click(rig->control(VirdoControl::Ordinateur)); }, [this] {
            return QList{principale({ctl(VirdoControl::nj), ctl(VirdoControl::nombreordinateur)})};
        });
        while (rig->partie().total < 89) {
            etape("the computer's number", [this] { return driver::click(rig->control(VirdoControl::Envoi)); },
                  [this] {
                      return QList{principale({ctl(VirdoControl::nombreordinateur), total(*rig), ctl(VirdoControl::nj)})};
                  });
            etape("the child's number", [this] { return driver::playNumber(rig->jeu, QStringLiteral("1")); }, [this] {
                return QList{principale({total(*rig), ctl(VirdoControl::nj), ctl(VirdoControl::nombreordinateur)})};
            });
        }
        etape("the winning number", [this] { return driver::click(rig->control(VirdoControl::Envoi)); },
              [this] { return fin(); });
        QCOMPARE(rig->partie().total, 100);
    }
};

QTEST_MAIN(TstAnnonces)
#include "tst_annonces.moc"
