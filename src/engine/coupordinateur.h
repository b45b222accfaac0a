#pragma once

#include "engine/generateur.h"
#include "engine/partie.h"

namespace virdo {

// The computer's move: it steers the total onto the next key total within reach,
// otherwise plays a random number from 1 to nbmaxi. Sets nombrejoue and adds it to total.
void CoupOrdinateur(Partie &partie, Generateur &generateur);

// Adds a move to the total. Past 32767 the total stops growing instead of wrapping
// (and below -32768 it stops falling); a game in play never gets there.
void ajouterAuTotal(Partie &partie);

} // namespace virdo
