#pragma once

#include "app/displayserver.h"

#include <QString>
#include <QtGlobal>

#include <functional>

namespace virdo {

// While it lives, the display going away (the X server ends, as at a logout) ends the game
// through shutDown, then leaves at once with status 1. Qt would otherwise print one line
// and call exit(), whose clean-up of the libraries runs under threads still at work: the
// sound thread, in the middle of a tune, then crashes the process.
//
// Qt says the display is lost in a warning, on the thread that finds it, just before it
// leaves (exit() on X11, _exit() on Wayland). This watch is Qt's message handler: at each
// warning it asks the display server whether it is still there, and lets every message
// through while it is. One at a time; it goes before the objects shutDown uses.
class DisplayLoss
{
public:
    // platform: Qt's platform name, which says where the display server is.
    DisplayLoss(const QString &platform, std::function<void()> shutDown);
    ~DisplayLoss();
    DisplayLoss(const DisplayLoss &) = delete;
    DisplayLoss &operator=(const DisplayLoss &) = delete;

private:
    static void endOnLoss(QtMsgType type, const QMessageLogContext &context, const QString &text);

    const DisplayServer m_server;
    std::function<void()> m_shutDown;
    QtMessageHandler m_previous = nullptr;
};

} // namespace virdo
