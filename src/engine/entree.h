#pragma once

#include "engine/conversions.h"
#include "engine/partie.h"

#include <QString>

namespace virdo {

// What the turn cycle makes of the player's entry in nbj.
enum class Entree {
    Vide,     // nothing typed at all
    Triche,   // 0, negative, above nbmaxi, past the target, beyond the 16-bit range, or not a number
    Acceptee,
};

struct Verdict
{
    Entree entree;
    Nombre16 nombre; // the rounded value; 0 when empty or out of the 16-bit range
};

// Judges the text typed by the player against the program's maximum and what is left to
// reach the target: the winner must land on it exactly, so a number that would carry the
// total past it is refused like any other number outside the rules.
Verdict jugerEntree(const QString &texte, const Partie &partie);

} // namespace virdo
