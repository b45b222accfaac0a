#include "app/displayloss.h"

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace virdo {

namespace {

struct Watch
{
    std::function<void()> shutDown;
    QtMessageHandler previous = nullptr;
};

Watch &watch()
{
    static Watch current;
    return current;
}

// Both ways Qt's X11 platform finds a broken connection (its event loop, or Xlib's I/O
// error handler) say so in these words, then call exit().
bool announcesLoss(QtMsgType type, const QString &text)
{
    return type == QtWarningMsg && text.startsWith(QLatin1String("The X11 connection broke"));
}

void endOnLoss(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    Watch &current = watch();
    if (!announcesLoss(type, text) || !current.shutDown) {
        current.previous(type, context, text);
        return;
    }
    // Once: the shutdown touches no window, but should anything in it find the display
    // gone again, it goes on with the first.
    const std::function<void()> shutDown = std::exchange(current.shutDown, nullptr);
    const QByteArray display = qgetenv("DISPLAY");
    std::fprintf(stderr, "virdo : l'affichage graphique a disparu (DISPLAY=%s) ; le jeu se ferme.\n",
                 display.constData());
    std::fflush(stderr);
    shutDown();
    // Nothing to save, and Qt's clean-up is what this way out avoids.
    std::fflush(nullptr);
    std::_Exit(EXIT_FAILURE);
}

} // namespace

DisplayLoss::DisplayLoss(std::function<void()> shutDown)
{
    Q_ASSERT(!watch().shutDown);
    watch().shutDown = std::move(shutDown);
    watch().previous = qInstallMessageHandler(endOnLoss);
}

DisplayLoss::~DisplayLoss()
{
    qInstallMessageHandler(watch().previous);
    watch() = {};
}

} // namespace virdo
