#pragma once

#include <QHash>
#include <QIcon>
#include <QMargins>
#include <QString>

namespace virdo {

// What the game's windows share from one window to the next, for as long as the game runs:
// held by the game and handed to each window it builds.
class WindowResources
{
public:
    // The icon in that file, decoded once and shared by every window. A QIcon made afresh
    // for each main window would decode its file again and leave its pixmaps in Qt's pixmap
    // cache under new keys: a few kilobytes more for every game.
    QIcon icon(const char *path);

    // The frame of the last game window the window manager framed. A window not yet shown
    // has none; it will most likely get the same one.
    QMargins expectedFrame() const { return m_expectedFrame; }
    void setExpectedFrame(const QMargins &frame) { m_expectedFrame = frame; }

private:
    QHash<QString, QIcon> m_icons;
    QMargins m_expectedFrame;
};

} // namespace virdo
