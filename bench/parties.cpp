// Many games in one process, as a family plays an afternoon: each game won through the real
// widgets of virdo::Jeu, its tune heard through the real QtSoundPlayer, then FIN and OUI.
// After every tenth game, once the deleted main window is gone, it samples the process:
//
//     bench_parties [PARTIES]   prints "partie <n> <VmRSS kB> <descripteurs> <fils>"
//
// It needs a display (xcb under Xvfb, or offscreen) and a sound server for the sound.

#include "measure.h"

#include "windows/fonts.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

namespace {

long vmRssKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &ligne : status.readAll().split('\n'))
        if (ligne.startsWith("VmRSS:"))
            return ligne.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

qsizetype entrees(const char *dossier)
{
    return QDir(QString::fromLatin1(dossier)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    virdo::installFontSubstitutions();
    const int parties = argc > 1 ? std::atoi(argv[1]) : 200;

    bench::ShippedGame shipped;
    virdo::Jeu &jeu = shipped.jeu;
    bool joue = false;
    QObject::connect(&shipped.son, &virdo::QtSoundPlayer::looping, &shipped.son, [&joue] { joue = true; });
    jeu.demarrer();

    for (int partie = 1; partie <= parties; ++partie) {
        // The programs in turn, so that every one is played.
        bench::require(driver::startGame(jeu, QStringLiteral("Camille"), 1 + (partie - 1) % 8, virdo::VirdoControl::Joueur));
        virdo::VirdoWindow &f = *jeu.principale();
        // The player steers onto the key totals until the next click on Envoi wins.
        bench::require(driver::playUntil(jeu, true, driver::Until::LastMove));
        QCoreApplication::processEvents();
        joue = false;
        bench::require(driver::click(f, virdo::VirdoControl::Envoi));
        QElapsedTimer attente;
        attente.start();
        while (!joue && attente.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (!joue)
            bench::fail("le son de victoire n'a jamais joué (serveur de son ?)");
        bench::require(driver::replay(jeu));
        // What the player's pause between two games gives the event loop.
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (partie % 10 == 0) {
            std::printf("partie %d %ld %lld %lld\n", partie, vmRssKb(), static_cast<long long>(entrees("/proc/self/fd")),
                        static_cast<long long>(entrees("/proc/self/task")));
            std::fflush(stdout);
        }
    }
    // Closed through its frame, as the player ends the program.
    jeu.principale()->close();
    return 0;
}
