#pragma once

namespace virdo {

class SoundPlayer;
class WindowResources;

// The end of a game made ready while the child still plays, so that the winning click
// answers at once, the first time as quickly as the later ones. Everything here would
// otherwise be paid at the first victory: the sound system started and its server reached,
// Qt's picture decoders loaded (the first decode of the process loads them all), and the
// icons of the victory and replay windows decoded.
class PreparationDeLaFin
{
public:
    PreparationDeLaFin(SoundPlayer &son, WindowResources &ressources);

    // A program is chosen: the game has begun. Done once; later calls cost nothing.
    void preparer();

private:
    SoundPlayer &m_son;
    WindowResources &m_ressources;
    bool m_faite = false;
};

} // namespace virdo
