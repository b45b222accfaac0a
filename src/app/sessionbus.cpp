#include "app/sessionbus.h"

#include <QByteArray>
#include <QtGlobal>

#include <sys/stat.h>

namespace virdo {

namespace {

// Where D-Bus looks when no address is given, before it launches a bus: the user's bus in
// the session's runtime folder.
bool userBusExists()
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (runtime.isEmpty())
        return false;
    struct stat status {};
    return ::stat((runtime + "/bus").constData(), &status) == 0 && S_ISSOCK(status.st_mode);
}

} // namespace

void joinOnlyAnExistingSessionBus()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") || userBusExists())
        return;
    // An address D-Bus cannot connect to: the connection fails at once, and nothing is launched.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}

} // namespace virdo
