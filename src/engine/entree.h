#pragma once

#include "engine/conversions.h"

#include <QString>

namespace virdo {

// What the turn cycle makes of the player's entry in nbj.
enum class Entree {
    Vide,     // nothing typed at all
    Triche,   // 0, negative, above nbmaxi, beyond the 16-bit range, or not a number
    Acceptee,
};

struct Verdict
{
    Entree entree;
    Nombre16 nombre; // the rounded value; 0 when empty or out of the 16-bit range
};

// Judges the text typed by the player against the program's maximum.
Verdict jugerEntree(const QString &texte, Nombre16 nbmaxi);

} // namespace virdo
