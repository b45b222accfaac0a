#pragma once

#include "engine/conversions.h"

#include <QString>

namespace virdo {

// Whose move Envoi waits for; Refus is a rejected entry, inside one click only.
enum class Tour { Aucun, Joueur, Ordinateur, Refus };

// The record of one game; zeroed when a main window is loaded.
struct Partie
{
    Nombre16 nbmini = 0;
    Nombre16 nbmaxi = 0;
    Nombre16 objectif = 0;
    Nombre16 cle = 0;
    Nombre16 nombrejoue = 0;
    Nombre16 total = 0;
    Tour tour = Tour::Aucun;
    QString prenom;
};

} // namespace virdo
