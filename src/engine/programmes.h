#pragma once

#include "engine/partie.h"

#include <QString>

#include <array>

namespace virdo {

// One strategy program: the largest number of a move, the target and the first key total.
struct Programme
{
    Nombre16 nbmaxi;
    Nombre16 objectif;
    Nombre16 cle;
    const char *premierFragment; // before nbmaxi
    const char *secondFragment;  // between nbmaxi and objectif
};

inline constexpr int nombreDeProgrammes = 8;

// Row k - 1 is program k, chosen by the box Check<k>.
extern const std::array<Programme, nombreDeProgrammes> Programmes;

// Loads program k (1 ... 8) into the record and restarts the total at 0;
// nombrejoue, tour and prenom are left as they are.
void choisirProgramme(Partie &partie, int k);

// The rules of program k as shown to the player.
QString phraseRegle(int k);

} // namespace virdo
