// Linked into both start-up programs, the game's own main() and the bare window, unchanged:
// a start-up function of QCoreApplication installs an application-wide event filter that
// notes the first paint of a top-level window. The frame is complete once the event that
// painted it has returned to the event loop, so the time is taken by a queued call.
// Then it prints the monotonic clock, in nanoseconds, and ends the process:
//     premiere-peinture <ns>      the top-level window starts painting
//     premiere-image <ns>         the first frame is painted and flushed
//     objets-partages <n>         shared objects mapped at that moment (/proc/self/maps)
// The peak memory is read by the driver from outside (wait4). BENCH_ATTENTE_MS lets the
// program run that long after the first frame before it ends, so that late work counts too.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <set>
#include <string>

namespace {

long long nowNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1'000'000'000LL + t.tv_nsec;
}

// Each library once, however many segments it maps.
int objetsPartages()
{
    std::set<std::string> chemins;
    if (FILE *maps = std::fopen("/proc/self/maps", "r")) {
        char ligne[4096];
        while (std::fgets(ligne, sizeof ligne, maps)) {
            const char *chemin = std::strchr(ligne, '/');
            if (chemin && std::strstr(chemin, ".so"))
                chemins.emplace(chemin, std::strcspn(chemin, "\n"));
        }
        std::fclose(maps);
    }
    return int(chemins.size());
}

class PremiereImage final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *objet, QEvent *event) override
    {
        if (!m_vue && event->type() == QEvent::Paint && objet->isWidgetType()
            && static_cast<QWidget *>(objet)->isWindow()) {
            m_vue = true;
            std::printf("premiere-peinture %lld\n", nowNs());
            QMetaObject::invokeMethod(this, &PremiereImage::imageFinie, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void imageFinie()
    {
        std::printf("premiere-image %lld\n", nowNs());
        std::printf("objets-partages %d\n", objetsPartages());
        std::fflush(stdout);
        const int attente = qEnvironmentVariableIntValue("BENCH_ATTENTE_MS");
        QTimer::singleShot(attente, [] { std::_Exit(0); });
    }

    bool m_vue = false;
};

void installer()
{
    std::printf("qapplication %lld\n", nowNs());
    qApp->installEventFilter(new PremiereImage(qApp));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installer)
