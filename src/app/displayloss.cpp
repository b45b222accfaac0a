#include "app/displayloss.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace virdo {

namespace {

// Qt's message handler is a plain function: this is its one way to the watch that lives.
std::atomic<DisplayLoss *> watching{nullptr};

// Both ways Qt's X11 platform finds a broken connection (its event loop, or Xlib's I/O
// error handler) say so in these words, then call exit().
bool announcesLoss(QtMsgType type, const QString &text)
{
    return type == QtWarningMsg && text.startsWith(QLatin1String("The X11 connection broke"));
}

} // namespace

void DisplayLoss::endOnLoss(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    DisplayLoss *watch = watching.load();
    if (!watch)
        return;
    if (!announcesLoss(type, text) || !watch->m_shutDown) {
        watch->m_previous(type, context, text);
        return;
    }
    // Once: the shutdown touches no window, but should anything in it find the display
    // gone again, it goes on with the first.
    const std::function<void()> shutDown = std::exchange(watch->m_shutDown, nullptr);
    const QByteArray display = qgetenv("DISPLAY");
    std::fprintf(stderr, "virdo : l'affichage graphique a disparu (DISPLAY=%s) ; le jeu se ferme.\n",
                 display.constData());
    std::fflush(stderr);
    shutDown();
    // Nothing to save, and Qt's clean-up is what this way out avoids.
    std::fflush(nullptr);
    std::_Exit(EXIT_FAILURE);
}

DisplayLoss::DisplayLoss(std::function<void()> shutDown)
    : m_shutDown(std::move(shutDown))
{
    Q_ASSERT(!watching.load());
    watching = this;
    m_previous = qInstallMessageHandler(endOnLoss);
}

DisplayLoss::~DisplayLoss()
{
    qInstallMessageHandler(m_previous);
    watching = nullptr;
}

} // namespace virdo
