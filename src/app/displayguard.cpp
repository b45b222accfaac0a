#include "app/displayguard.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace virdo {

namespace {

struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};

QList<HeldMessage> &heldMessages()
{
    static QList<HeldMessage> messages;
    return messages;
}

void holdOrFail(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtFatalMsg) {
        heldMessages().append({type, QByteArray(context.category), text});
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

} // namespace

DisplayGuard::DisplayGuard()
    : m_previous(qInstallMessageHandler(holdOrFail))
{
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
    for (const HeldMessage &message : std::as_const(heldMessages())) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        m_previous(message.type, context, message.text);
    }
    heldMessages().clear();
}

} // namespace virdo
