// Plays a WAV in a loop through QtSoundPlayer, for the sound checks that record a private
// PulseAudio: soundloop_probe FILE PLAY_SECONDS LINGER_SECONDS [ROUNDS]
// Each round plays FILE for PLAY_SECONDS, stops, then waits LINGER_SECONDS (0: the next
// round starts at once); all rounds use the same player, as the game does from one game to
// the next. It prints "play MS" and "stop MS" (milliseconds since the epoch) so that the
// scripts can place their sox windows.

#include "media/qtsoundplayer.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

void report(const char *event)
{
    std::printf("%s %lld\n", event, static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool playOk = false;
    bool lingerOk = false;
    bool roundsOk = true;
    const double playSeconds = args.value(2).toDouble(&playOk);
    const double lingerSeconds = args.value(3).toDouble(&lingerOk);
    const int rounds = args.size() > 4 ? args.value(4).toInt(&roundsOk) : 1;
    if (args.size() < 4 || !playOk || !lingerOk || !roundsOk || rounds < 1) {
        std::fprintf(stderr, "usage: soundloop_probe FILE PLAY_SECONDS LINGER_SECONDS [ROUNDS]\n");
        return 2;
    }
    const QString fileName = args.value(1);

    virdo::QtSoundPlayer player;
    int played = 0;
    std::function<void()> round;
    const auto next = [&] {
        if (++played < rounds)
            round();
        else
            app.quit();
    };
    round = [&] {
        report("play");
        player.playFileLoop(fileName);
        QTimer::singleShot(int(playSeconds * 1000), Qt::PreciseTimer, &app, [&] {
            player.stop();
            report("stop");
            // No linger: the next play follows in the same breath, before the event loop
            // could tidy anything the stop left behind.
            if (lingerSeconds <= 0)
                next();
            else
                QTimer::singleShot(int(lingerSeconds * 1000), Qt::PreciseTimer, &app, next);
        });
    };
    QTimer::singleShot(0, &app, round);
    return app.exec();
}
