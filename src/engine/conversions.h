#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace virdo {

// Every game number is a 16-bit signed integer, as the game's texts and totals assume.
using Nombre16 = std::int16_t;

// " 100", " 0", "-5": a non-negative number keeps one blank where the sign would stand.
QString formatSigne(int valeur);

// The decimal number at the start of the text ("5 pommes" is 5, "2.5" is 2.5),
// leading blanks skipped, "." as decimal point, an exponent allowed ("1e3");
// 0 when the text does not start with a number. Too large a number gives an
// infinity, which arrondi16 then reports as an overflow.
double valeurNumerique(QStringView texte);

// Rounds to the nearest integer, halves to even (2.5 -> 2, 3.5 -> 4).
// std::nullopt is the overflow: the result would lie outside -32768 ... 32767.
std::optional<Nombre16> arrondi16(double valeur);

// The sum, or std::nullopt when it would leave the 16-bit range: never wraps.
std::optional<Nombre16> addition16(Nombre16 a, Nombre16 b);

// The largest integer not above the value.
double partieEntiere(double valeur);

} // namespace virdo
