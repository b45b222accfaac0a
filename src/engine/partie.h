#pragma once

#include "engine/conversions.h"

#include <QString>

namespace virdo {

// The record of one game, owned by the main window; zeroed when the window is created.
struct Partie
{
    Nombre16 nbmini = 0;
    Nombre16 nbmaxi = 0;
    Nombre16 objectif = 0;
    Nombre16 cle = 0;
    Nombre16 nombrejoue = 0;
    Nombre16 total = 0;
    QString tour;   // "J" the player, "O" the computer, "R" a rejected entry (inside one click)
    QString prenom;
};

} // namespace virdo
