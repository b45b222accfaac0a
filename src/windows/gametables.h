#pragma once

#include "windows/tableformat.h"

namespace virdo {

// The controls of each window by their names in the game, in the order of its table
// (topmost first); each table checks that its rows stand in this order (rowsFollow).
enum class VirdoControl {
    FIN, Envoi, BUT, Nombre, nbj, nombreordinateur, nj, Ordinateur, Joueur, Tirage,
    Check8, Check7, Check6, Check5, Check4, Check3, Check2, Check1,
    Accueil, Identite, ndj, Label3, Affichage, Liste, Bonjour,
};
enum class RejouerControl { nj, NON, OUI, Label2, Label1 };
enum class EurekaControl { CRI, Photo };

// The most characters a name box (ndj, and nj of the replay window) takes. Every message of
// every turn repeats the name, and a pasted name of thousands of characters in mixed scripts
// made each click take seconds to lay out; this is far above any real first name.
inline constexpr int longueurPrenom = 100;

// One box a program, Check1 ... Check8; the game checks that the programs' table has as many.
inline constexpr int nombreDeCases = int(VirdoControl::Check1) - int(VirdoControl::Check8) + 1;

// The box Check<k> of program k (1 ... nombreDeCases); any other k throws std::out_of_range,
// as the programs' own table does.
VirdoControl caseProgramme(int k);

// The three windows as the designer laid them out, each found by the names of its controls.
template<>
const WindowTable &tableOf<VirdoControl>();
template<>
const WindowTable &tableOf<RejouerControl>();
template<>
const WindowTable &tableOf<EurekaControl>();

// A control's row as the designer laid it out, for what the game computes from the design.
template<typename Key>
const ControlRow &rowOf(Key key)
{
    return tableOf<Key>().controls[std::size_t(key)];
}

} // namespace virdo
