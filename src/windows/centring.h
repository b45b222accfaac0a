#pragma once

class QWidget;

namespace virdo {

// Centres a top-level window on the available area of its screen, frame and title bar
// included, as the player sees it. A window larger than that area keeps its top-left
// corner, and so its title bar, on the screen.
//
// Best called before the window is first shown: it is then placed with the frame the
// window manager gave the game's previous windows, and moved once more only if its own
// frame, known once it is shown, turns out different.
void centreOnScreen(QWidget *window);

} // namespace virdo
