// The time of the whole end of a game, from the winning click on Envoi until the victory
// is on screen and heard: the picture read from its file, the victory window shown and
// its first frame painted, the looping sound playing (the sink of the real QtSoundPlayer
// started on its thread). The sound gets ready when the program is ticked, as in the game. The first end of game of the process is the one the player meets
// after start-up ("premiere"); then further games are played through FIN and OUI ("suivante").
//
//     bench_finpartie [PARTIES]   prints, for each game, "fin <premiere|suivante> <clic ms>
//                                 <image ms> <son ms> <total ms>" (times from the click)
//
// It needs a display (xcb under Xvfb, or offscreen) and a sound server for the sound.

#include "measure.h"

#include "windows/fonts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>

namespace {

// Notes the first frame of the victory window: painted once the event that painted it is over.
class ImageDeVictoire final : public QObject
{
public:
    long long fin = 0;
    bool armee = false;

protected:
    bool eventFilter(QObject *objet, QEvent *event) override
    {
        if (armee && event->type() == QEvent::Paint && objet->isWidgetType()
            && static_cast<QWidget *>(objet)->isWindow() && objet->objectName() == QLatin1String("Eureka")) {
            armee = false;
            QMetaObject::invokeMethod(
                    this, [this] { fin = bench::nowNs(); }, Qt::QueuedConnection);
        }
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    virdo::installFontSubstitutions();
    const int parties = argc > 1 ? std::atoi(argv[1]) : 5;

    bench::ShippedGame shipped;
    virdo::Jeu &jeu = shipped.jeu;
    long long sonPret = 0;
    QObject::connect(&shipped.son, &virdo::QtSoundPlayer::looping, &shipped.son, [&sonPret] { sonPret = bench::nowNs(); });
    ImageDeVictoire image;
    app.installEventFilter(&image);
    jeu.demarrer();

    for (int partie = 0; partie < parties; ++partie) {
        virdo::VirdoWindow &f = *jeu.principale();
        bench::require(driver::startGame(jeu, QStringLiteral("Camille"), 1, virdo::VirdoControl::Joueur));
        // The player steers onto the key totals until the next click on Envoi wins.
        bench::require(driver::playUntil(jeu, true, driver::Until::LastMove));
        QCoreApplication::processEvents();

        image.fin = 0;
        image.armee = true;
        const long long t0 = bench::nowNs();
        bench::require(driver::click(f, virdo::VirdoControl::Envoi));
        const long long clic = bench::nowNs();
        sonPret = 0;
        QElapsedTimer attente;
        attente.start();
        while ((!image.fin || !sonPret) && attente.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        if (!image.fin)
            bench::fail("la fenêtre de victoire n'a jamais été peinte");
        if (!sonPret)
            bench::fail("le son de victoire n'a jamais joué (serveur de son ?)");
        std::printf("fin %s %.3f %.3f %.3f %.3f\n", partie == 0 ? "premiere" : "suivante", (clic - t0) / 1e6,
                    (image.fin - t0) / 1e6, (sonPret - t0) / 1e6, (std::max(image.fin, sonPret) - t0) / 1e6);
        std::fflush(stdout);

        bench::require(driver::replay(jeu));
    }
    // Closed through its frame, as the player ends the program.
    jeu.principale()->close();
    return 0;
}
