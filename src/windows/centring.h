#pragma once

class QPoint;
class QRect;
class QWidget;

namespace virdo {

class WindowResources;

// Centres a top-level window on the available area of its screen, frame and title bar
// included, as the player sees it. A window larger than that area keeps its top-left
// corner, and so its title bar, on the screen.
//
// Best called before the window is first shown: it is then placed with the frame the
// window manager gave the game's previous windows (kept in resources), and moved once more
// only if its own frame, known once it is shown, turns out different.
void centreOnScreen(QWidget *window, WindowResources &resources);

// Keeps a window reachable on a screen that changes (a resolution changed, a projector
// plugged in): each time the window is shown again, and whenever the available area of the
// screens changes while it is shown, a window that no longer fits where it is moves back
// inside, by the least, its frame's top-left corner first. Where it fits, it stays.
void keepOnScreen(QWidget *window);

// Where the top-left corner of FRAME goes for the frame to be inside AREA: where it is when
// it fits; else moved in, and a frame larger than the area has its top-left corner, and so
// its title bar, on the area's.
QPoint placeInside(const QRect &frame, const QRect &area);

// Where the top-left corner of FRAME goes for the frame to be inside AREA and clear of AVOID:
// where placeInside puts it when that is clear; else moved the least to one side of AVOID
// that has room; where no side has, the place inside that covers the least of it.
QPoint placeClearOf(const QRect &frame, const QRect &area, const QRect &avoid);

} // namespace virdo
