#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace virdo {

// Where the Wayland client library looks for the compositor: WAYLAND_DISPLAY (wayland-0 by
// default), in XDG_RUNTIME_DIR unless it is a full path.
QByteArray waylandSocketPath();

// The game's connections to its display server, found among the process's sockets once Qt
// has connected. Asked whether the server has hung up on them, it tells the loss of the
// display apart from any other trouble, whatever words Qt uses for it.
class DisplayServer
{
public:
    // platform: Qt's platform name; only "xcb" and "wayland" have a server to lose.
    explicit DisplayServer(const QString &platform);

    // True once the server has closed a connection of the game's (it ended, or dropped the
    // game): never for a server that is merely slow. Safe on any thread; it reads nothing.
    bool gone() const;

    // How the session names it, for a message: "DISPLAY=:0", "WAYLAND_DISPLAY=wayland-0".
    QByteArray name() const { return m_name; }

private:
    QByteArray m_name;
    std::vector<int> m_sockets;
};

} // namespace virdo
