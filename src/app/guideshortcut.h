#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

namespace virdo {

// F1, in any window of the game (the message boxes too), opens the guide for parents and
// teachers in the desktop's browser. It watches the whole application, so that no window
// needs to know of it. Where no browser answers, one line on stderr, and the game goes on
// as if the key had not been pressed.
class GuideShortcut : public QObject
{
public:
    // What opens the page: the desktop's services, or a test's stand-in.
    using Opener = std::function<bool(const QUrl &)>;

    explicit GuideShortcut(QUrl guide, Opener open = {});

    // The installed page when there is one (from the program's folder, as the package lays
    // it out), else the one a build leaves beside the program; empty when there is neither.
    static QUrl find(const QString &programDir);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void open() const;

    QUrl m_guide;
    Opener m_open;
};

} // namespace virdo
