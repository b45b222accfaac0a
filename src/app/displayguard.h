#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

namespace virdo {

// Held while the QApplication is built. When Qt can open no display (no DISPLAY, a server
// that does not answer, no usable platform plugin), Qt would print its own English lines
// and abort; instead the game prints one French line and exits with status 1. Qt's
// messages from a start that succeeds are passed on unchanged once the guard is done.
class DisplayGuard
{
public:
    DisplayGuard();
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard &) = delete;
    DisplayGuard &operator=(const DisplayGuard &) = delete;

    // The application is built: hand Qt's messages back to the previous handler.
    void done();

private:
    struct HeldMessage
    {
        QtMsgType type;
        QByteArray category;
        QString text;
    };
    static void holdOrFail(QtMsgType type, const QMessageLogContext &context, const QString &text);

    QtMessageHandler m_previous = nullptr;
    QList<HeldMessage> m_held;
    bool m_done = false;
};

} // namespace virdo
