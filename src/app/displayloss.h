#pragma once

#include <QtGlobal>

#include <functional>

namespace virdo {

// While it lives, the display going away (the X server ends, as at a logout) ends the game
// through shutDown, then leaves at once with status 1. Qt would otherwise print one line
// and call exit(), whose clean-up of the libraries runs under threads still at work: the
// sound thread, in the middle of a tune, then crashes the process.
//
// Qt says the display is lost in one warning, on the thread that finds it, just before it
// leaves; this watch is its message handler and lets every other message through. One at
// a time; it goes before the objects shutDown uses.
class DisplayLoss
{
public:
    explicit DisplayLoss(std::function<void()> shutDown);
    ~DisplayLoss();
    DisplayLoss(const DisplayLoss &) = delete;
    DisplayLoss &operator=(const DisplayLoss &) = delete;

private:
    static void endOnLoss(QtMsgType type, const QMessageLogContext &context, const QString &text);

    std::function<void()> m_shutDown;
    QtMessageHandler m_previous = nullptr;
};

} // namespace virdo
