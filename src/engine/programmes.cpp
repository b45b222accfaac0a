#include "engine/programmes.h"

#include "engine/conversions.h"

#include <cstddef>

namespace virdo {

namespace {

// Program 1 has a blank of its own before the maximum, program 2 none after the full stop:
// the game has always shown its rules that way.
constexpr const char premierAvecBlanc[] = "Chaque joueur doit proposer à tour de rôle un nombre entier compris entre 1 et ";
constexpr const char premier[] = "Chaque joueur doit proposer à tour de rôle un nombre entier compris entre 1 et";
constexpr const char secondColle[] = ".Les nombres proposés sont additionnés et le premier qui arrive au total exact de ";
constexpr const char second[] = ". Les nombres proposés sont additionnés et le premier qui arrive au total exact de ";
constexpr const char fin[] = " a gagné la partie !";

} // namespace

const std::array<Programme, nombreDeProgrammes> Programmes = {{
    {10, 100, 1, premierAvecBlanc, second},
    {7, 100, 4, premier, secondColle},
    {15, 100, 4, premier, second},
    {5, 100, 4, premier, second},
    {33, 500, 24, premier, second},
    {20, 200, 11, premier, second},
    {50, 1000, 31, premier, second},
    {100, 1000, 91, premier, second},
}};

namespace {

// Row of program k; a k outside 1 ... 8 throws std::out_of_range. Unsigned arithmetic, so
// that even the smallest int gives a row number instead of an overflow.
const Programme &programme(int k)
{
    return Programmes.at(static_cast<std::size_t>(k) - 1);
}

} // namespace

void choisirProgramme(Partie &partie, int k)
{
    const Programme &p = programme(k);
    partie.nbmini = 1;
    partie.nbmaxi = p.nbmaxi;
    partie.objectif = p.objectif;
    partie.cle = p.cle;
    partie.total = 0;
}

QString phraseRegle(int k)
{
    const Programme &p = programme(k);
    return QString::fromUtf8(p.premierFragment) + formatSigne(p.nbmaxi)
            + QString::fromUtf8(p.secondFragment) + formatSigne(p.objectif)
            + QString::fromUtf8(fin);
}

} // namespace virdo
