#include "app/displayguard.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace virdo {

namespace {

// Qt's message handler is a plain function: this is its one way to the guard that holds.
std::atomic<DisplayGuard *> holding{nullptr};

} // namespace

void DisplayGuard::holdOrFail(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtFatalMsg) {
        if (DisplayGuard *guard = holding.load())
            guard->m_held.append({type, QByteArray(context.category), text});
        return;
    }
    // The only fatal message while the application is built: no platform could start.
    const QByteArray display = qgetenv("DISPLAY");
    const QByteArray where = display.isEmpty() ? QByteArrayLiteral("DISPLAY n'est pas défini")
                                               : "DISPLAY=" + display;
    std::fprintf(stderr, "virdo : impossible d'ouvrir un affichage graphique (%s) ; le jeu a besoin d'un écran.\n",
                 where.constData());
    std::fflush(stderr);
    // Nothing is finished yet: no destructor to run.
    std::_Exit(1);
}

DisplayGuard::DisplayGuard()
{
    Q_ASSERT(!holding.load());
    holding = this;
    m_previous = qInstallMessageHandler(holdOrFail);
}

DisplayGuard::~DisplayGuard()
{
    done();
}

void DisplayGuard::done()
{
    if (m_done)
        return;
    m_done = true;
    qInstallMessageHandler(m_previous);
    holding = nullptr;
    for (const HeldMessage &message : std::as_const(m_held)) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        m_previous(message.type, context, message.text);
    }
    m_held.clear();
}

} // namespace virdo
