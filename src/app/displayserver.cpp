#include "app/displayserver.h"

#include <QDir>
#include <QList>

#include <cstring>

#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>

namespace virdo {

namespace {

// What a connection leads to: a local socket's name (abstract names start with a nul), or
// a TCP port.
struct Peer
{
    QByteArray unixName;
    int tcpPort = -1;
};

Peer peerOf(int fd)
{
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    Peer peer;
    if (::getpeername(fd, reinterpret_cast<sockaddr *>(&address), &length) != 0)
        return peer;
    if (address.ss_family == AF_UNIX) {
        const auto *unixAddress = reinterpret_cast<const sockaddr_un *>(&address);
        const qsizetype size = qsizetype(length) - qsizetype(offsetof(sockaddr_un, sun_path));
        if (size > 0)
            peer.unixName = QByteArray(unixAddress->sun_path, size);
        // A path's name ends with its nul; an abstract one is as long as it was given.
        if (peer.unixName.startsWith('/') && peer.unixName.endsWith('\0'))
            peer.unixName.chop(1);
    } else if (address.ss_family == AF_INET) {
        peer.tcpPort = ntohs(reinterpret_cast<const sockaddr_in *>(&address)->sin_port);
    } else if (address.ss_family == AF_INET6) {
        peer.tcpPort = ntohs(reinterpret_cast<const sockaddr_in6 *>(&address)->sin6_port);
    }
    return peer;
}

} // namespace

QByteArray waylandSocketPath()
{
    QByteArray name = qgetenv("WAYLAND_DISPLAY");
    if (name.isEmpty())
        name = "wayland-0";
    return name.startsWith('/') ? name : qgetenv("XDG_RUNTIME_DIR") + '/' + name;
}

DisplayServer::DisplayServer(const QString &platform)
{
    QList<QByteArray> unixNames;
    int tcpPort = -1;
    if (platform == QLatin1String("wayland")) {
        m_name = "WAYLAND_DISPLAY=" + qgetenv("WAYLAND_DISPLAY");
        unixNames << waylandSocketPath();
    } else {
        const QByteArray display = qgetenv("DISPLAY");
        m_name = "DISPLAY=" + display;
        if (platform != QLatin1String("xcb"))
            return;
        // [host]:number[.screen], as the X library reads it: a local socket, in the file
        // system or abstract, or a TCP port (through ssh).
        const qsizetype colon = display.lastIndexOf(':');
        bool isNumber = false;
        const int number = colon < 0 ? 0 : display.mid(colon + 1).split('.').first().toInt(&isNumber);
        if (!isNumber)
            return;
        const QByteArray path = "/tmp/.X11-unix/X" + QByteArray::number(number);
        unixNames << path << '\0' + path;
        tcpPort = 6000 + number;
    }
    const QStringList fds = QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System);
    for (const QString &entry : fds) {
        bool isNumber = false;
        const int fd = entry.toInt(&isNumber);
        if (!isNumber)
            continue;
        const Peer peer = peerOf(fd);
        if ((!peer.unixName.isEmpty() && unixNames.contains(peer.unixName)) || (tcpPort > 0 && peer.tcpPort == tcpPort))
            m_sockets.push_back(fd);
    }
}

bool DisplayServer::gone() const
{
    for (const int fd : m_sockets) {
        pollfd connection{fd, POLLRDHUP, 0};
        if (::poll(&connection, 1, 0) == 1 && (connection.revents & (POLLHUP | POLLRDHUP | POLLERR)))
            return true;
    }
    return false;
}

} // namespace virdo
