#pragma once

class QMargins;
class QRect;
class QScreen;
class QSize;
class QWidget;

namespace virdo {

// The screen a new game window opens on: that of a game window already on screen, the
// main window first, so that the game stays on one monitor; else the primary screen. A
// window not yet shown reports the screen under 0,0, which may be any monitor.
QScreen *screenForNewWindow(const QWidget *window);

// The scale at which a window whose client area is CLIENT pixels fits, frame included,
// inside AREA: 1 where it fits, else just small enough, but never below SMALLEST.
double scaleToFit(const QSize &client, const QMargins &frame, const QRect &area, double smallest);

// The frame assumed for a window that is not framed yet, when no game window has been:
// a title bar and thin borders, as most window managers draw them.
QMargins assumedFrame();

} // namespace virdo
