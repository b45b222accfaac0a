#include "media/screenreader.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>

namespace virdo {

namespace {

constexpr int busPatienceMs = 500;

} // namespace

bool screenReaderRuns()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage ask = QDBusMessage::createMethodCall(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                                                      QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    ask << QStringLiteral("org.a11y.Status") << QStringLiteral("ScreenReaderEnabled");
    const QDBusMessage answer = bus.call(ask, QDBus::Block, busPatienceMs);
    if (answer.type() != QDBusMessage::ReplyMessage || answer.arguments().isEmpty())
        return false;
    return answer.arguments().first().value<QDBusVariant>().variant().toBool();
}

} // namespace virdo
