#pragma once

namespace virdo {

// Called before the application object exists. With no session bus to join (a root console,
// an ssh login), D-Bus would start a session bus of its own for the accessibility bridge: a
// daemon that outlives the game. Then the game asks for no bus at all. A screen reader runs
// inside a desktop session, whose bus the game joins as before.
void joinOnlyAnExistingSessionBus();

} // namespace virdo
