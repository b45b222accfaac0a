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

// What Qt says as it leaves on a lost display; never a note or a debug line.
bool mayAnnounceLoss(QtMsgType type)
{
    return type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg;
}

} // namespace

void DisplayLoss::endOnLoss(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    DisplayLoss *watch = watching.load();
    if (!watch)
        return;
    if (!mayAnnounceLoss(type) || !watch->m_shutDown || !watch->m_server.gone()) {
        watch->m_previous(type, context, text);
        return;
    }
    // Once: the shutdown touches no window, but should anything in it find the display
    // gone again, it goes on with the first.
    const std::function<void()> shutDown = std::exchange(watch->m_shutDown, nullptr);
    std::fprintf(stderr, "virdo : l'affichage graphique a disparu (%s) ; le jeu se ferme.\n",
                 watch->m_server.name().constData());
    std::fflush(stderr);
    shutDown();
    // Nothing to save, and Qt's clean-up is what this way out avoids.
    std::fflush(nullptr);
    std::_Exit(EXIT_FAILURE);
}

DisplayLoss::DisplayLoss(const QString &platform, std::function<void()> shutDown)
    : m_server(platform)
    , m_shutDown(std::move(shutDown))
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
