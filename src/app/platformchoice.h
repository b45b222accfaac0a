#pragma once

namespace virdo {

// Called before the application object exists, when neither QT_QPA_PLATFORM nor -platform
// names Qt's platform. A session that advertises Wayland makes Qt try Wayland first, and
// say so on stderr when it cannot (no Wayland plugin installed, a compositor that is not
// there) before it falls back to X11. Then the game goes to X11 directly, when there is
// one; with native Wayland at hand, or nothing else, Qt chooses as it always does.
void chooseDisplayPlatform();

} // namespace virdo
