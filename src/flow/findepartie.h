#pragma once

#include "engine/partie.h"
#include "windows/window.h"

namespace virdo {

class Announcer;
class SoundPlayer;

// The end of a game: the winner's texts in the main window, FIN in place of Envoi, and
// the victory window with the winner's cry, picture and looping sound.
class FinDePartie
{
public:
    FinDePartie(SoundPlayer &son, Announcer &annonces);

    // tour says who made the winning move.
    void annoncerVictoire(VirdoWindow &fenetre, const Partie &partie, EurekaWindow &eureka);

private:
    SoundPlayer &m_son;
    Announcer &m_annonces;
};

} // namespace virdo
