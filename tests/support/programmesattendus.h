#pragma once

// The eight programs as the player meets them, written out once for every test that checks
// them: the largest move, the target, the first key total, and the rule sentence byte for
// byte (program 1 has two blanks before its maximum, program 2 none after the full stop,
// all two before the target).

#include <QString>

#include <array>

namespace driver {

struct ProgrammeAttendu
{
    int nbmaxi;
    int objectif;
    int cle;
    const char *regle; // UTF-8

    QString phrase() const { return QString::fromUtf8(regle); }
    // The target as BUT shows it, after the blank of the sign.
    QString but() const { return QLatin1Char(' ') + QString::number(objectif); }
};

// Row k - 1 is program k.
inline constexpr std::array<ProgrammeAttendu, 8> programmesAttendus = {{
    {10, 100, 1, "Chaque joueur doit proposer à tour de rôle un nombre entier compris entre 1 et  10. Les nombres proposés sont additionnés et le premier qui arrive au total exact de  100 a gagné la partie !"},
    {7, 100, 4, "Chaque joueur doit proposer à tour de rôle un nombre entier compris entre 1 et 7.Les nombres proposés sont additionnés et le premier qui arrive au total exact de  100 a gagné la partie !"},
    {15, 100, 4, "Chaque joueur doit proposer à tour de rôle un nombre entier compris entre 1 et 15. Les nombres proposés sont additionnés et le premier qui arrive au total exact de  100 a gagné la partie !"},
    {5, 100, 4, "Chaque joueur doit proposer à tour de rôle un nombre entier compris entre 1 et 5. Les nombres proposés sont additionnés et le premier qui arrive au total exact de  100 a gagné la partie !"},
    {33, 500, 24, "Chaque joueur doit proposer à tour de rôle un nombre entier compris entre 1 et 33. Les nombres proposés sont additionnés et le premier qui arrive au total exact de  500 a gagné la partie !"},
    {20, 200, 11, "Chaque joueur doit proposer à tour de rôle un nombre entier compris entre 1 et 20. Les nombres proposés sont additionnés et le premier qui arrive au total exact de  200 a gagné la partie !"},
    {50, 1000, 31, "Chaque joueur doit proposer à tour de rôle un nombre entier compris entre 1 et 50. Les nombres proposés sont additionnés et le premier qui arrive au total exact de  1000 a gagné la partie !"},
    {100, 1000, 91, "Chaque joueur doit proposer à tour de rôle un nombre entier compris entre 1 et 100. Les nombres proposés sont additionnés et le premier qui arrive au total exact de  1000 a gagné la partie !"},
}};

inline const ProgrammeAttendu &programmeAttendu(int k)
{
    return programmesAttendus.at(std::size_t(k - 1));
}

} // namespace driver
